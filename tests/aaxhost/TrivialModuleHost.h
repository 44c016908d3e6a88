#pragma once
// The trivial test module loaded, started and registered, as each test of the host
// simulator begins; the effects it described are at hand by identifier.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "aaxhost/LoadedModule.h"
#include "fixtures/trivialmodule/TrivialModule.h"
#include "support/TestBinaries.h"

struct TrivialModuleHost {
    TrivialModuleHost() : module(std::make_unique<aaxhost::LoadedModule>(TestBinaryPath(L"fx_trivial_gain.dll"))) {
        module->Startup();
        registration = module->RegisterPlugin();
    }

    const aaxhost::EffectDescription& Effect(const char* identifier) const {
        const aaxhost::EffectDescription* effect = registration.package.FindEffect(identifier);
        if (effect == nullptr) throw std::runtime_error(std::string("no effect ") + identifier);
        return *effect;
    }

    std::unique_ptr<aaxhost::LoadedModule> module;
    aaxhost::Registration registration;
};
