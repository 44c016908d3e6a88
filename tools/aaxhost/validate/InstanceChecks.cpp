// The validator's "instances" checks: every effect's instance is made, initialised and
// released for every layout it declares, from several threads at once too, and the
// module can be unloaded (ACFCanUnloadNow 0) once its instances are gone, and loaded
// again.
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "aax/AAX_StemFormat.h"
#include "aaxhost/EffectInstance.h"
#include "aaxhost/InstanceContext.h"
#include "aaxhost/LoadedModule.h"
#include "aaxhost/validate/CheckText.h"
#include "aaxhost/validate/ValidationGroups.h"

namespace aaxhost::validate {

namespace {

std::string Where(const EffectDescription& effect, const ComponentDescription& component) {
    return "effect " + Quote(effect.identifier) + " (" + StemFormatName(component.InputStemFormat()) + " -> " +
           StemFormatName(component.OutputStemFormat()) + ")";
}

// Makes, initialises and releases one instance for `component`; the reason when a step
// fails, empty otherwise. Builds the instance context too, so that ResetFieldData runs.
std::string CreateInitializeRelease(const EffectDescription& effect, const ComponentDescription& component) {
    const std::string where = Where(effect, component);
    std::unique_ptr<EffectInstance> instance = CreateEffectInstance(effect, SetupFor(component));
    if (!instance) return where + ": the effect parameters factory made no object";
    const AAX_Result initialized = instance->Initialize();
    if (initialized != AAX_SUCCESS) return where + ": Initialize returned " + ResultText(initialized);
    std::int32_t count = -1;
    const AAX_Result counted = instance->Parameters()->GetNumberOfParameters(&count);
    if (counted != AAX_SUCCESS || count < 0)
        return where + ": GetNumberOfParameters returned " + ResultText(counted) + " after Initialize";
    if (component.InputStemFormat() != AAX_eStemFormat_Any) {
        try {
            InstanceContext context(component, instance->Parameters());
            for (const AAX_Result reset : context.ResetResults())
                if (reset != AAX_SUCCESS) return where + ": ResetFieldData returned " + ResultText(reset);
        } catch (const std::exception& error) {
            return where + ": the host cannot build the instance context: " + error.what();
        }
    }
    const AAX_Result uninitialized = instance->Uninitialize();
    if (uninitialized != AAX_SUCCESS) return where + ": Uninitialize returned " + ResultText(uninitialized);
    return {};
}

std::string CheckCreateRelease(Validation& validation) {
    const int rounds = validation.Scaled(1, 3);
    int made = 0;
    for (int round = 0; round < rounds; ++round)
        for (const EffectDescription& effect : validation.Package().effects)
            for (const ComponentDescription& component : effect.components) {
                const std::string failure = CreateInitializeRelease(effect, component);
                Expect(failure.empty(), failure);
                ++made;
            }
    return std::to_string(made) + " instances made, initialised, given an instance context and released";
}

// An instance made and initialised by a thread and held until every thread has made
// its share, so that they all live together.
struct HeldInstance {
    std::unique_ptr<EffectInstance> instance;
};

std::string MakeAndInitialize(const EffectDescription& effect, const ComponentDescription& component,
                              HeldInstance& held) {
    const std::string where = Where(effect, component);
    held.instance = CreateEffectInstance(effect, SetupFor(component));
    if (!held.instance) return where + ": the effect parameters factory made no object";
    const AAX_Result initialized = held.instance->Initialize();
    if (initialized != AAX_SUCCESS) return where + ": Initialize returned " + ResultText(initialized);
    return {};
}

std::string CheckConcurrentCreate(Validation& validation) {
    const PackageDescription& package = validation.Package();
    std::vector<std::pair<const EffectDescription*, const ComponentDescription*>> layouts;
    for (const EffectDescription& effect : package.effects)
        for (const ComponentDescription& component : effect.components) layouts.push_back({&effect, &component});
    const ValidationCounts& counts = validation.Counts();
    const int threadCount = counts.instanceThreads;
    const int perThread = counts.instances / threadCount;
    std::mutex mutex;
    std::condition_variable allMade;
    int threadsDone = 0;  // threads that made their share (or gave up)
    std::vector<std::string> failures;
    std::atomic<int> made{0};
    std::atomic<int> alive{0};
    std::atomic<int> mostAlive{0};
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t)
        threads.emplace_back([&, t] {
            while (!go.load()) std::this_thread::yield();
            std::vector<HeldInstance> held(static_cast<std::size_t>(perThread));
            std::string failure;
            for (int i = 0; i < perThread && failure.empty(); ++i) {
                const auto& layout =
                    layouts[(static_cast<std::size_t>(t) * 7 + static_cast<std::size_t>(i)) % layouts.size()];
                try {
                    failure = MakeAndInitialize(*layout.first, *layout.second, held[static_cast<std::size_t>(i)]);
                } catch (const std::exception& error) {
                    failure = error.what();
                }
                if (held[static_cast<std::size_t>(i)].instance) {
                    const int now = alive.fetch_add(1) + 1;
                    for (int most = mostAlive.load(); now > most && !mostAlive.compare_exchange_weak(most, now);) {
                    }
                }
                if (failure.empty()) ++made;
            }
            {
                std::unique_lock<std::mutex> lock(mutex);
                if (!failure.empty()) failures.push_back("thread " + std::to_string(t + 1) + ": " + failure);
                ++threadsDone;
                allMade.notify_all();
                allMade.wait(lock, [&] { return threadsDone == threadCount; });
            }
            for (HeldInstance& instance : held) {
                if (!instance.instance) continue;
                const AAX_Result uninitialized = instance.instance->Uninitialize();
                instance.instance.reset();
                alive.fetch_sub(1);
                if (uninitialized != AAX_SUCCESS) {
                    std::lock_guard<std::mutex> lock(mutex);
                    failures.push_back("thread " + std::to_string(t + 1) + ": Uninitialize returned " +
                                       ResultText(uninitialized));
                }
            }
        });
    go.store(true);
    for (std::thread& thread : threads) thread.join();
    Expect(failures.empty(), JoinLimited(failures, 4));
    Expect(mostAlive.load() >= counts.instancesAliveAtOnce, "only " + std::to_string(mostAlive.load()) +
                                                                " instances were alive at once, not " +
                                                                std::to_string(counts.instancesAliveAtOnce));
    return std::to_string(made.load()) + " instances made, initialised and released on " + std::to_string(threadCount) +
           " threads at once, " + std::to_string(mostAlive.load()) + " alive together";
}

std::string CheckUnloadReload(Validation& validation) {
    validation.ReleaseModule();
    const int rounds = validation.Scaled(2, 5);
    for (int round = 1; round <= rounds; ++round) {
        const std::string at = "round " + std::to_string(round) + ": ";
        const std::unique_ptr<LoadedModule> module = LoadModuleOrFail(validation.GetOptions().modulePath, at);
        module->Startup();
        const Registration registration = module->RegisterPlugin();
        Expect(registration.result == ACF_OK && !registration.package.effects.empty(),
               at + "ACFRegisterPlugin returned " + ResultText(registration.result) + " after a reload");
        {
            std::vector<std::unique_ptr<EffectInstance>> instances;
            for (const EffectDescription& effect : registration.package.effects) {
                instances.push_back(CreateEffectInstance(effect));
                Expect(instances.back() != nullptr, at + "effect " + Quote(effect.identifier) + " made no object");
                const AAX_Result initialized = instances.back()->Initialize();
                Expect(initialized == AAX_SUCCESS,
                       at + "effect " + Quote(effect.identifier) + ": Initialize returned " + ResultText(initialized));
            }
            // Zero here would let a host unload the code under live objects.
            const acfResult live = module->CanUnloadNow();
            Expect(live != 0,
                   at + "ACFCanUnloadNow gives 0 while " + std::to_string(instances.size()) + " instances are alive");
        }
        const acfResult live = module->CanUnloadNow();
        Expect(live == 0, at + "ACFCanUnloadNow gives " + std::to_string(live) + " after every instance was released");
        module->Shutdown();
    }
    return std::to_string(rounds) +
           " loads, each with an instance of every effect; ACFCanUnloadNow nonzero while "
           "they live and 0 once they are gone, then unloaded and loaded again";
}

}  // namespace

void RunInstanceChecks(Validation& validation) {
    const bool registered = validation.Registered();
    struct Check {
        const char* name;
        std::string (*body)(Validation&);
    };
    const Check checks[] = {
        {"create-release", CheckCreateRelease},
        {"concurrent-create", CheckConcurrentCreate},
        {"unload-reload", CheckUnloadReload},
    };
    for (const Check& check : checks) {
        if (registered)
            validation.Run("instances", check.name, [&] { return check.body(validation); });
        else
            validation.Skip("instances", check.name, "the module did not register");
    }
}

}  // namespace aaxhost::validate
