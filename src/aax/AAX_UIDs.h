#pragma once
// The host's component IDs (what a plug-in passes to IACFComponentFactory::CreateComponent)
// and the interface IDs of every published version of each AAX interface. Each group
// starts with its component ID; a version's interface extends the one before it, and an
// object that offers a version answers the IDs of all earlier versions too. Host
// attributes and client features follow. The values are the host's and never change.
// Pure data. [any-thread]

#include "aax/acfunknown.h"

inline constexpr acfUID AAXCompID_HostServices = {0x88882C2D,
                                                  0xEBBC,
                                                  0x42EF,
                                                  {0xC0, 0xAB, 0x89, 0x81, 0xB0, 0xBD, 0x0C, 0xCA}};
inline constexpr acfUID IID_IAAXHostServicesV1 = {0x96D42C2D,
                                                  0xEBBC,
                                                  0x41EF,
                                                  {0xB0, 0xAB, 0x99, 0x91, 0xA0, 0xED, 0x0C, 0xCA}};
inline constexpr acfUID IID_IAAXHostServicesV2 = {0xA207EE9E,
                                                  0xB442,
                                                  0x11E4,
                                                  {0xA7, 0x1E, 0x12, 0xE3, 0xF5, 0x12, 0xA3, 0x38}};
inline constexpr acfUID IID_IAAXHostServicesV3 = {0x12BEA399,
                                                  0x9A4F,
                                                  0x4353,
                                                  {0x80, 0x98, 0x39, 0x16, 0xFA, 0x71, 0x89, 0x8D}};

inline constexpr acfUID AAXCompID_AAXCollection = {0x89882C2D,
                                                   0x77BC,
                                                   0x42EF,
                                                   {0x70, 0x7B, 0x79, 0x81, 0xB7, 0xBD, 0x0C, 0xCA}};
inline constexpr acfUID IID_IAAXCollectionV1 = {0x96D42C2D,
                                                0xEBBC,
                                                0x41DF,
                                                {0xB1, 0xAB, 0x99, 0x91, 0xA2, 0xEE, 0x0C, 0xCA}};

inline constexpr acfUID AAXCompID_AAXEffectDescriptor = {0x89872C2D,
                                                         0x75BC,
                                                         0x423F,
                                                         {0x40, 0x1B, 0xF9, 0xA1, 0xBA, 0xAD, 0x0C, 0xCA}};
inline constexpr acfUID IID_IAAXEffectDescriptorV1 = {0x96D42C2D,
                                                      0xEBBC,
                                                      0x41EF,
                                                      {0xD1, 0xCB, 0x49, 0x94, 0x42, 0xE4, 0x0F, 0xDA}};
inline constexpr acfUID IID_IAAXEffectDescriptorV2 = {0x41ECCC52,
                                                      0x416B,
                                                      0x4072,
                                                      {0x84, 0xBD, 0x40, 0xB0, 0x52, 0x10, 0xA7, 0x4C}};

inline constexpr acfUID AAXCompID_AAXComponentDescriptor = {0x94872C3D,
                                                            0x95BC,
                                                            0x413D,
                                                            {0xD0, 0xDB, 0xD9, 0xB1, 0x2A, 0xAD, 0x0C, 0xCA}};
inline constexpr acfUID IID_IAAXComponentDescriptorV1 = {0x96E42C2D,
                                                         0xE2BC,
                                                         0x51EF,
                                                         {0x61, 0xC7, 0x48, 0x99, 0x4A, 0xEB, 0x0C, 0xDA}};
inline constexpr acfUID IID_IAAXComponentDescriptorV2 = {0x1895259E,
                                                         0xAAA9,
                                                         0x4F0F,
                                                         {0xA9, 0x85, 0x14, 0x98, 0x37, 0xB7, 0x6F, 0x89}};
inline constexpr acfUID IID_IAAXComponentDescriptorV3 = {0x979CFCD4,
                                                         0x2BCB,
                                                         0x43AE,
                                                         {0x9C, 0xD0, 0x2D, 0x0E, 0xCD, 0x2A, 0xDC, 0xD5}};

inline constexpr acfUID AAXCompID_AAXPropertyMap = {0xA587AD3D,
                                                    0xD53C,
                                                    0x4ADC,
                                                    {0xD0, 0xDD, 0xD9, 0xD1, 0x2D, 0xDD, 0xDC, 0xDA}};
inline constexpr acfUID IID_IAAXPropertyMapV1 = {0x96EE2C2D,
                                                 0xEECC,
                                                 0x5EFF,
                                                 {0xE2, 0xD7, 0xE8, 0x49, 0xE3, 0xE2, 0xEE, 0xEE}};
inline constexpr acfUID IID_IAAXPropertyMapV2 = {0x7177DF80,
                                                 0x7C9C,
                                                 0x11E2,
                                                 {0xB9, 0x2A, 0x08, 0x00, 0x20, 0x0C, 0x9A, 0x66}};
inline constexpr acfUID IID_IAAXPropertyMapV3 = {0x6D4AB208,
                                                 0xD34B,
                                                 0x4368,
                                                 {0xB4, 0xF1, 0x58, 0xBC, 0x24, 0x3F, 0x45, 0xC9}};

inline constexpr acfUID AAXCompID_HostProcessorDelegate = {0xAB933D9D,
                                                           0x5434,
                                                           0x25DC,
                                                           {0x19, 0x0B, 0x09, 0x23, 0x2D, 0xDD, 0x38, 0x8A}};
inline constexpr acfUID IID_IAAXHostProcessorDelegateV1 = {0x9D4E3D3D,
                                                           0x43DC,
                                                           0x5EDA,
                                                           {0x82, 0x27, 0xE2, 0xF2, 0xF8, 0xD5, 0x6E, 0x8E}};
inline constexpr acfUID IID_IAAXHostProcessorDelegateV2 = {0xFB6DE2C9,
                                                           0x29D0,
                                                           0x4683,
                                                           {0xB3, 0x48, 0xC7, 0x78, 0xF4, 0xCD, 0x62, 0x5B}};
inline constexpr acfUID IID_IAAXHostProcessorDelegateV3 = {0x5DFEF2B3,
                                                           0x7027,
                                                           0x46B5,
                                                           {0xAE, 0x3A, 0x27, 0x94, 0xC6, 0xE0, 0xA8, 0xA0}};

inline constexpr acfUID AAXCompID_AutomationDelegate = {0xAB943D9D,
                                                        0x5534,
                                                        0x26DC,
                                                        {0x29, 0xAB, 0xC9, 0xB3, 0x2D, 0x2D, 0x28, 0x8A}};
inline constexpr acfUID IID_IAAXAutomationDelegateV1 = {0x9D5E3D3D,
                                                        0x42DC,
                                                        0x5EFA,
                                                        {0x22, 0x17, 0xEE, 0xE2, 0xE8, 0xE5, 0x3E, 0x2E}};

inline constexpr acfUID AAXCompID_Controller = {0xAB944D4D,
                                                0x15C4,
                                                0xC61C,
                                                {0x3D, 0x3B, 0xF9, 0xBF, 0x1D, 0x20, 0x18, 0x4A}};
inline constexpr acfUID IID_IAAXControllerV1 = {0x9D5E3E3D,
                                                0x52DC,
                                                0x5EFB,
                                                {0x20, 0x18, 0xDE, 0x1D, 0xE2, 0xE6, 0x3F, 0x4E}};
inline constexpr acfUID IID_IAAXControllerV2 = {0x4C59AA0E,
                                                0xD7C0,
                                                0x4205,
                                                {0x8B, 0x6C, 0x32, 0x46, 0x8D, 0x42, 0xD2, 0x02}};
inline constexpr acfUID IID_IAAXControllerV3 = {0xDD6F168C,
                                                0xDA86,
                                                0x44F8,
                                                {0xB8, 0x64, 0xD6, 0xCD, 0x22, 0x19, 0x26, 0xE7}};
inline constexpr acfUID IID_IAAXControllerV4 = {0xF19C815C,
                                                0xD885,
                                                0x4677,
                                                {0x9E, 0x1F, 0x08, 0x37, 0xC7, 0xA6, 0x9E, 0xB3}};
inline constexpr acfUID IID_IAAXControllerV5 = {0xFF310DBF,
                                                0x04E8,
                                                0x45B1,
                                                {0xB3, 0x6A, 0xB8, 0xF4, 0xD9, 0xB8, 0xD4, 0x82}};

inline constexpr acfUID AAXCompID_PageTableController = {0x63355D80,
                                                         0xBFE1,
                                                         0x4291,
                                                         {0xA6, 0x27, 0xC6, 0x5C, 0xB9, 0x58, 0x91, 0x40}};
inline constexpr acfUID IID_IAAXPageTableController = {0x2E9D35FB,
                                                       0xBACC,
                                                       0x4B2C,
                                                       {0xB5, 0xD7, 0xC6, 0xE8, 0x51, 0xF5, 0x69, 0xBD}};
inline constexpr acfUID IID_IAAXPageTableControllerV2 = {0x06C6B83E,
                                                         0x9D87,
                                                         0x4938,
                                                         {0x8A, 0x38, 0xF8, 0xE4, 0x5B, 0x10, 0xA2, 0x4A}};

inline constexpr acfUID AAXCompID_PrivateDataAccess = {0xAB945D4D,
                                                       0x15C6,
                                                       0xC61C,
                                                       {0x3F, 0x3F, 0xF9, 0xBF, 0x1D, 0x20, 0x18, 0x4C}};
inline constexpr acfUID IID_IAAXPrivateDataAccessV1 = {0x9D5E6E3F,
                                                       0x52DE,
                                                       0x5EFD,
                                                       {0x22, 0x18, 0xDF, 0x1F, 0xE3, 0xE8, 0x3F, 0x4C}};

inline constexpr acfUID AAXCompID_ViewContainer = {0xDEDE24BD,
                                                   0xC2FF,
                                                   0x467A,
                                                   {0xAE, 0x2D, 0x5F, 0x29, 0x1D, 0x19, 0x22, 0x2B}};
inline constexpr acfUID IID_IAAXViewContainerV1 = {0x22DA0BBC,
                                                   0xD550,
                                                   0x4D5E,
                                                   {0x8C, 0xC6, 0x73, 0x44, 0x83, 0xB8, 0x83, 0x7F}};
inline constexpr acfUID IID_IAAXViewContainerV2 = {0x9143A0BE,
                                                   0x7A79,
                                                   0x4D02,
                                                   {0xAE, 0x25, 0xAA, 0xDB, 0xA7, 0x6A, 0x50, 0xB2}};
inline constexpr acfUID IID_IAAXViewContainerV3 = {0x07CDA0FD,
                                                   0xBE98,
                                                   0x4DD7,
                                                   {0x92, 0xE0, 0x02, 0x37, 0x57, 0xDF, 0x2E, 0x01}};

inline constexpr acfUID AAXCompID_Transport = {0x8A9FA236,
                                               0x2176,
                                               0x49E1,
                                               {0xB6, 0x24, 0x82, 0x7D, 0x2B, 0x43, 0x31, 0x5C}};
inline constexpr acfUID IID_IAAXTransportV1 = {0x5CEE4EF4,
                                               0x6337,
                                               0x4359,
                                               {0xB6, 0x3B, 0xFE, 0x58, 0xDC, 0x36, 0x54, 0x3A}};
inline constexpr acfUID IID_IAAXTransportV2 = {0x203CBD9F,
                                               0x982C,
                                               0x4FE6,
                                               {0xA8, 0x27, 0x07, 0x48, 0x02, 0x57, 0xAE, 0xC3}};
inline constexpr acfUID IID_IAAXTransportV3 = {0xAF79E815,
                                               0xECFE,
                                               0x1FB4,
                                               {0x8A, 0x2E, 0x24, 0xAB, 0x0E, 0xC0, 0x8E, 0xF0}};
inline constexpr acfUID IID_IAAXTransportV4 = {0xCAD3748B,
                                               0x5F34,
                                               0x4A1D,
                                               {0xB5, 0x9E, 0x12, 0x6E, 0xCF, 0xB0, 0x11, 0x77}};
inline constexpr acfUID IID_IAAXTransportV5 = {0xE8B5E908,
                                               0xF8F6,
                                               0x44BA,
                                               {0xAC, 0x92, 0x1D, 0x8E, 0xE1, 0xD4, 0x4B, 0x58}};

inline constexpr acfUID AAXCompID_TransportControl = {0x0717AC4D,
                                                      0xDF87,
                                                      0x44B1,
                                                      {0x82, 0x7B, 0x5B, 0x6F, 0x9B, 0xE3, 0x50, 0xF5}};
inline constexpr acfUID IID_IAAXTransportControlV1 = {0xCE6DDB20,
                                                      0x1B7C,
                                                      0x4559,
                                                      {0x9E, 0xE8, 0xD7, 0x69, 0x86, 0x45, 0xA1, 0x43}};

inline constexpr acfUID AAXCompID_PageTable = {0xDBC22879,
                                               0xA24E,
                                               0x4AC6,
                                               {0x97, 0x21, 0x93, 0x8B, 0x72, 0xD8, 0xE8, 0x1B}};
inline constexpr acfUID IID_IAAXPageTableV1 = {0x33C9E5BE,
                                               0x1CE3,
                                               0x4085,
                                               {0x91, 0xA7, 0x09, 0xD6, 0xF8, 0xEE, 0x4B, 0x64}};
inline constexpr acfUID IID_IAAXPageTableV2 = {0xD0F25D1B,
                                               0x9C5B,
                                               0x4D2E,
                                               {0x8F, 0x1F, 0x45, 0xBC, 0x93, 0x47, 0x32, 0xF7}};

inline constexpr acfUID AAX_CompID_DescriptionHost = {0x84E184CE,
                                                      0x353C,
                                                      0x4928,
                                                      {0x80, 0x61, 0x04, 0x60, 0x06, 0xB3, 0x1B, 0x52}};
inline constexpr acfUID IID_IAAXDescriptionHostV1 = {0xE5BC71DF,
                                                     0x4C1F,
                                                     0x4CC4,
                                                     {0x81, 0x4A, 0x5A, 0x7D, 0xD0, 0xE7, 0x0E, 0xF5}};

inline constexpr acfUID AAX_CompID_FeatureInfo = {0x617D2E4F,
                                                  0x3556,
                                                  0x483B,
                                                  {0xB4, 0xDE, 0x05, 0x3C, 0xC3, 0x92, 0x17, 0x53}};
inline constexpr acfUID IID_IAAXFeatureInfoV1 = {0x24545609,
                                                 0xA7C4,
                                                 0x44D4,
                                                 {0xAB, 0xB8, 0xCF, 0x13, 0xEA, 0x9D, 0x0B, 0xDF}};

inline constexpr acfUID AAXCompID_Task = {0xA5237386, 0xD1A7, 0x490D, {0x05, 0x08, 0x03, 0x02, 0x0D, 0x00, 0x02, 0x01}};
inline constexpr acfUID IID_IAAXTaskV1 = {0x9733F64B, 0x45D6, 0x47BA, {0x08, 0x0B, 0x09, 0x0D, 0x0D, 0x07, 0x08, 0x0A}};
inline constexpr acfUID IID_IAAXTaskV2 = {0x1CB60CFA, 0xBD54, 0x4132, {0x9F, 0xD7, 0xEA, 0x69, 0xF5, 0x54, 0x12, 0x97}};

inline constexpr acfUID AAXCompID_SessionDocument = {0x65FD4D4A,
                                                     0xF85E,
                                                     0x46FD,
                                                     {0x8B, 0x7C, 0xA0, 0x31, 0x5C, 0x93, 0x2A, 0xD1}};
inline constexpr acfUID IID_IAAXSessionDocumentV1 = {0x4BE26025,
                                                     0x27C9,
                                                     0x467E,
                                                     {0x85, 0xD6, 0x78, 0xB5, 0xF1, 0xEA, 0x7C, 0xDB}};

inline constexpr acfUID AAXCompID_EffectParameters = {0xAB97BD9D,
                                                      0x9B3C,
                                                      0x4BDC,
                                                      {0xB9, 0x9B, 0x59, 0x51, 0xBD, 0x5D, 0x48, 0x4A}};
inline constexpr acfUID IID_IAAXEffectParametersV1 = {0x964E333D,
                                                      0x334C,
                                                      0x533F,
                                                      {0xC2, 0xC7, 0x38, 0x34, 0xC3, 0xC2, 0x3E, 0x3E}};
inline constexpr acfUID IID_IAAXEffectParametersV2 = {0xF1F47D06,
                                                      0x308F,
                                                      0x4CC5,
                                                      {0x9C, 0x7C, 0x50, 0xA8, 0x3F, 0x8A, 0xB8, 0x13}};
inline constexpr acfUID IID_IAAXEffectParametersV3 = {0xD2540E9D,
                                                      0x9163,
                                                      0x42BB,
                                                      {0xA6, 0xFD, 0x81, 0xE1, 0x0E, 0xA3, 0x24, 0x98}};
inline constexpr acfUID IID_IAAXEffectParametersV4 = {0x2E485536,
                                                      0x31A3,
                                                      0x4697,
                                                      {0x9C, 0x16, 0xE5, 0x9B, 0xF6, 0xB2, 0x8A, 0x41}};

inline constexpr acfUID AAXCompID_HostProcessor = {0xAB953D9D,
                                                   0x5B34,
                                                   0x45DC,
                                                   {0x49, 0x3B, 0x29, 0x53, 0xCD, 0xDD, 0x48, 0x4A}};
inline constexpr acfUID IID_IAAXHostProcessorV1 = {0x964E3F3D,
                                                   0x434C,
                                                   0x5E3A,
                                                   {0xA2, 0xE7, 0xE8, 0xF4, 0xF3, 0xD2, 0x2E, 0x2E}};
inline constexpr acfUID IID_IAAXHostProcessorV2 = {0x457546C0,
                                                   0xF6BC,
                                                   0x4AF9,
                                                   {0xBF, 0xF7, 0xEB, 0xDD, 0xC0, 0x5E, 0x56, 0xDE}};

inline constexpr acfUID AAXCompID_EffectGUI = {0xAB94339D,
                                               0x3B34,
                                               0x35DC,
                                               {0x29, 0x32, 0x19, 0x23, 0x1D, 0x1D, 0x48, 0x2A}};
inline constexpr acfUID IID_IAAXEffectGUIV1 = {0x964E323D,
                                               0x424C,
                                               0x5E1A,
                                               {0x22, 0x27, 0x28, 0x24, 0x23, 0x22, 0x2E, 0x1E}};
inline constexpr acfUID IID_IAAXEffectGUIV2 = {0xA0A8FB30,
                                               0x7E5D,
                                               0x4B4A,
                                               {0xAA, 0x00, 0xBC, 0x33, 0x4A, 0x42, 0x0D, 0xBB}};

inline constexpr acfUID AAXCompID_EffectDirectData = {0xAAFE80AB,
                                                      0x5B34,
                                                      0x4522,
                                                      {0x49, 0x3B, 0x29, 0x53, 0xCD, 0xDD, 0x48, 0x4B}};
inline constexpr acfUID IID_IAAXEffectDirectDataV1 = {0x964E80AB,
                                                      0x434C,
                                                      0x5E22,
                                                      {0xA2, 0xE7, 0xE8, 0xF4, 0xF3, 0xD2, 0x2E, 0x2F}};
inline constexpr acfUID IID_IAAXEffectDirectDataV2 = {0x156EA622,
                                                      0xBD2E,
                                                      0x11E9,
                                                      {0x9C, 0xB5, 0x2A, 0x2A, 0xE2, 0xDB, 0xCC, 0xE4}};

inline constexpr acfUID AAXCompID_TaskAgent = {0xB0753064,
                                               0xC37E,
                                               0x11ED,
                                               {0xAF, 0xA1, 0x02, 0x42, 0xAC, 0xE2, 0x00, 0x12}};
inline constexpr acfUID IID_IAAXTaskAgentV1 = {0xC096BE3E,
                                               0xBC3E,
                                               0x4C38,
                                               {0x86, 0x1D, 0x06, 0xA4, 0xBA, 0xA4, 0x10, 0x05}};
inline constexpr acfUID IID_IAAXTaskAgentV2 = {0xA734A715,
                                               0xD590,
                                               0x4402,
                                               {0xBC, 0xFF, 0x85, 0x64, 0x78, 0x52, 0x60, 0x1B}};

inline constexpr acfUID AAXCompID_SessionDocumentClient = {0x2280C3D5,
                                                           0x38F9,
                                                           0x43C5,
                                                           {0x90, 0x1D, 0x8D, 0x1A, 0xFE, 0xB4, 0x2F, 0xA5}};
inline constexpr acfUID IID_IAAXSessionDocumentClientV1 = {0xADAEBE77,
                                                           0xE1B6,
                                                           0x468D,
                                                           {0x96, 0x60, 0xB6, 0xFB, 0xB7, 0x22, 0x4C, 0xA8}};

inline constexpr acfUID AAXCompID_DataBuffer = {0x2B21890C,
                                                0x02C9,
                                                0x4A56,
                                                {0x0F, 0x0C, 0x0E, 0x03, 0x09, 0x03, 0x01, 0x06}};
inline constexpr acfUID IID_IAAXDataBufferV1 = {0x206EC31A,
                                                0x7756,
                                                0x4220,
                                                {0x06, 0x00, 0x0C, 0x0F, 0x06, 0x0F, 0x07, 0x07}};

// Client features a plug-in may ask the description host about, and host attributes.
inline constexpr acfUID AAXATTR_ClientFeature_StemFormat = {0x729DD3E6,
                                                            0xD3DC,
                                                            0x484C,
                                                            {0x91, 0x69, 0xF0, 0x64, 0xA0, 0x12, 0x60, 0x1D}};
inline constexpr acfUID AAXATTR_ClientFeature_AuxOutputStem = {0x5BEA3F7A,
                                                               0x2BE8,
                                                               0x4FE1,
                                                               {0x83, 0xB2, 0x94, 0xEC, 0x91, 0x31, 0xB8, 0x52}};
inline constexpr acfUID AAXATTR_ClientFeature_SideChainInput = {0x98B0A514,
                                                                0x2B96,
                                                                0x4E1F,
                                                                {0x87, 0x81, 0x99, 0x08, 0xC9, 0xE3, 0xE6, 0x8B}};
inline constexpr acfUID AAXATTR_ClientFeature_MIDI = {0xF5B0816C,
                                                      0x5768,
                                                      0x49C2,
                                                      {0xAE, 0x3E, 0x85, 0x0D, 0xE3, 0x42, 0xEB, 0x07}};
inline constexpr acfUID AAXATTR_Client_Level = {0xE550868E,
                                                0x1E6A,
                                                0x482B,
                                                {0xB5, 0x86, 0x73, 0xF1, 0x24, 0x6E, 0x12, 0x6B}};
inline constexpr acfUID AAXATTR_Client_Version = {0x950CF999,
                                                  0x37AA,
                                                  0x49DE,
                                                  {0x8D, 0xCC, 0xBE, 0x7F, 0xA7, 0x3E, 0x6A, 0xEE}};
inline constexpr acfUID AAX_DocumentDataType_TempoMap = {0x2515E52B,
                                                         0x5B3E,
                                                         0x4354,
                                                         {0x86, 0xEB, 0x93, 0x49, 0x6A, 0xC8, 0xA3, 0x37}};
