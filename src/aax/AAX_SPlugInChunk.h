#pragma once
// AAX_SPlugInChunk: one saved state of an effect, in a buffer the host owns. The host
// asks for the data size first (GetChunkSize) and hands GetChunk a buffer of
// offsetof(AAX_SPlugInChunk, fData) + size bytes, at least sizeof(AAX_SPlugInChunk);
// SetChunk and CompareActiveChunk get such a buffer back, fSize giving the data bytes.
// Little-endian; a plain struct that crosses the boundary.

#include <cstddef>
#include <cstdint>

#include "aax/AAX.h"

struct AAX_SPlugInChunk {
    std::int32_t fSize;     // bytes of fData
    std::int32_t fVersion;  // the plug-in's own state version
    AAX_CTypeID fManufacturerID;
    AAX_CTypeID fProductID;
    AAX_CTypeID fPlugInID;
    AAX_CTypeID fChunkID;
    std::uint8_t fName[32];  // a length byte, then that many characters
    char fData[1];           // fSize bytes start here
};
static_assert(sizeof(AAX_SPlugInChunk) == 60, "header, one data byte, padding to 4");
static_assert(offsetof(AAX_SPlugInChunk, fSize) == 0, "chunk layout");
static_assert(offsetof(AAX_SPlugInChunk, fVersion) == 4, "chunk layout");
static_assert(offsetof(AAX_SPlugInChunk, fManufacturerID) == 8, "chunk layout");
static_assert(offsetof(AAX_SPlugInChunk, fProductID) == 12, "chunk layout");
static_assert(offsetof(AAX_SPlugInChunk, fPlugInID) == 16, "chunk layout");
static_assert(offsetof(AAX_SPlugInChunk, fChunkID) == 20, "chunk layout");
static_assert(offsetof(AAX_SPlugInChunk, fName) == 24, "chunk layout");
static_assert(offsetof(AAX_SPlugInChunk, fData) == 56, "chunk layout");
