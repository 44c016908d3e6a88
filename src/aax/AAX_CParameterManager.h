#pragma once
// AAX_CParameterManager: the parameters of one effect, owned, in the order they were
// added: a parameter's position (its index) never changes while it exists, and the
// host sees the parameters in that order. Identifiers are unique. Lookups by
// identifier or position never allocate.
//
// The manager hands the instance's automation delegate to every parameter it holds or
// gets later, so they register with the host and their edits reach it; a parameter
// unregisters when it goes. Not synchronised. [ui-thread]

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "aax/AAX.h"
#include "aax/AAX_IParameter.h"

class AAX_IAutomationDelegate;

class AAX_CParameterManager {
public:
    AAX_CParameterManager();
    ~AAX_CParameterManager();
    AAX_CParameterManager(const AAX_CParameterManager&) = delete;
    AAX_CParameterManager& operator=(const AAX_CParameterManager&) = delete;

    // The automation delegate for all parameters, present and future (borrowed; null
    // detaches).
    void SetAutomationDelegate(AAX_IAutomationDelegate* delegate);

    // Appends `parameter` and takes ownership of it in every case: null gives
    // AAX_ERROR_NULL_OBJECT, an identifier already present AAX_ERROR_INVALID_PARAMETER_ID
    // (the new parameter is destroyed).
    AAX_Result AddParameter(AAX_IParameter* parameter);
    void RemoveAllParameters();

    std::int32_t NumParameters() const;
    // Null when there is none.
    AAX_IParameter* GetParameterByID(AAX_CParamID identifier);
    const AAX_IParameter* GetParameterByID(AAX_CParamID identifier) const;
    AAX_IParameter* GetParameter(std::int32_t index);
    const AAX_IParameter* GetParameter(std::int32_t index) const;
    // The position of the parameter, -1 when there is none.
    std::int32_t GetParameterIndex(AAX_CParamID identifier) const;

private:
    std::vector<std::unique_ptr<AAX_IParameter>> parameters_;
    std::map<std::string, std::int32_t, std::less<>> indexByID_;
    AAX_IAutomationDelegate* delegate_ = nullptr;
};
