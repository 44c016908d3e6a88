#include "PrimeOptions.h"

#include <optional>
#include <string>
#include <vector>

#include "toolcli/CommandLine.h"
#include "util/WideText.h"

namespace {

enum class Option { Core, Unprimed, Config, ShortName, Bundle, Name, CoreFile, Show };

const std::vector<toolcli::OptionRule> kRules = {
    {"--core", toolcli::OptionRule::Kind::Value},      {"--unprimed", toolcli::OptionRule::Kind::Flag},
    {"--config", toolcli::OptionRule::Kind::Value},    {"--short-name", toolcli::OptionRule::Kind::Value},
    {"--bundle", toolcli::OptionRule::Kind::Value},    {"--name", toolcli::OptionRule::Kind::Value},
    {"--core-file", toolcli::OptionRule::Kind::Value}, {"--show", toolcli::OptionRule::Kind::Value},
};

const char* NameOf(Option option) { return kRules[static_cast<std::size_t>(option)].name; }

std::string Utf8Of(const std::wstring& text) { return Util::FromWide(text.c_str()).Bytes(); }

std::wstring WideOf(const std::string& text) { return Util::ToWide(Util::String(text)).CStr(); }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// UTF-8 of every argument. Text that does not survive the round trip (an unpaired
// surrogate) is refused rather than stored or opened with replacement characters.
std::vector<std::string> Utf8Arguments(const std::vector<std::wstring>& arguments) {
    std::vector<std::string> utf8;
    for (const std::wstring& argument : arguments) {
        utf8.push_back(Utf8Of(argument));
        if (WideOf(utf8.back()) == argument) continue;
        const bool isValue = utf8.size() > 1 && utf8[utf8.size() - 2].compare(0, 2, "--") == 0;
        throw toolcli::UsageError(isValue ? "the value of " + utf8[utf8.size() - 2] + " is not valid Unicode text"
                                          : "argument " + std::to_string(utf8.size()) + " is not valid Unicode text");
    }
    return utf8;
}

// The parsed options under lmprime's names; paths come back as UTF-16.
struct RawArguments {
    toolcli::ParsedOptions options;

    bool Has(Option option) const { return options.Has(NameOf(option)); }
    std::string Text(Option option) const { return *options.Value(NameOf(option)); }
    std::wstring Value(Option option) const { return WideOf(Text(option)); }
    const std::vector<std::string>& Positional() const noexcept { return options.Positional(); }
};

bool ParseShow(const RawArguments& raw, PrimeCommand& command, std::string& error) {
    if (raw.options.OptionCount() != 1 || !raw.Positional().empty()) {
        error = "--show takes only the module to show";
        return false;
    }
    command.action = PrimeCommand::Action::Show;
    command.inModule = raw.Value(Option::Show);
    if (command.inModule.empty()) error = "--show needs a module";
    return error.empty();
}

bool ParseModules(const RawArguments& raw, PrimeCommand& command, std::string& error) {
    const bool bundle = command.action == PrimeCommand::Action::Bundle;
    const std::size_t wanted = bundle ? 1 : 2;
    const std::vector<std::string>& positional = raw.Positional();
    if (positional.empty()) {
        error = "missing the input module";
    } else if (positional.size() < wanted) {
        error = "missing the output module (or --bundle DIR --name NAME)";
    } else if (positional.size() > wanted) {
        error = "unexpected argument " + Quoted(positional[wanted]);
        if (bundle) error += " (a bundle takes no output module)";
    } else if (positional[0].empty() || (!bundle && positional[1].empty())) {
        error = "a module path is empty";
    }
    if (!error.empty()) return false;
    command.inModule = WideOf(positional[0]);
    if (!bundle) command.outModule = WideOf(positional[1]);
    return true;
}

bool ParseSettings(const RawArguments& raw, PrimeSettings& settings, std::string& error) {
    const bool core = raw.Has(Option::Core);
    settings.unprimed = raw.Has(Option::Unprimed);
    if (core && settings.unprimed) {
        error = "--core and --unprimed exclude each other";
        return false;
    }
    if (!core && !settings.unprimed) {
        error = "missing --core NAME-OR-PATH (or --unprimed)";
        return false;
    }
    if (core) settings.core = raw.Text(Option::Core);
    if (raw.Has(Option::Config)) settings.config = raw.Text(Option::Config);
    if (raw.Has(Option::ShortName)) settings.shortName = raw.Text(Option::ShortName);
    error = CheckPrimeSettings(settings);
    return error.empty();
}

}  // namespace

bool ParsePrimeArguments(const std::vector<std::wstring>& arguments, PrimeCommand& command, std::string& error) {
    command = PrimeCommand();
    error.clear();
    std::optional<RawArguments> parsed;
    try {
        parsed = RawArguments{toolcli::ParsedOptions(Utf8Arguments(arguments), kRules)};
    } catch (const toolcli::UsageError& refused) {
        error = refused.what();
        return false;
    }
    const RawArguments& raw = *parsed;
    if (raw.options.Has("--help")) return true;
    if (raw.Has(Option::Show)) return ParseShow(raw, command, error);
    if (raw.options.OptionCount() == 0 && raw.Positional().empty()) {
        error = "nothing to do";
        return false;
    }

    const bool bundle = raw.Has(Option::Bundle);
    if (!bundle && (raw.Has(Option::Name) || raw.Has(Option::CoreFile))) {
        error = std::string(raw.Has(Option::Name) ? "--name" : "--core-file") + " belongs to --bundle";
        return false;
    }
    if (bundle && !raw.Has(Option::Name)) {
        error = "--bundle needs --name NAME";
        return false;
    }
    if (raw.Has(Option::CoreFile) && raw.Has(Option::Unprimed)) {
        error = "--core-file needs --core, not --unprimed";
        return false;
    }
    command.action = bundle ? PrimeCommand::Action::Bundle : PrimeCommand::Action::Prime;
    if (!ParseModules(raw, command, error) || !ParseSettings(raw, command.settings, error)) return false;
    if (!bundle) return true;

    command.bundle.directory = raw.Value(Option::Bundle);
    command.bundle.name = raw.Value(Option::Name);
    if (raw.Has(Option::CoreFile)) {
        command.bundle.coreFile = raw.Value(Option::CoreFile);
        if (command.bundle.coreFile.empty()) {
            error = "--core-file needs a file";
            return false;
        }
    }
    error = CheckBundleSettings(command.bundle, command.settings);
    return error.empty();
}

const char* PrimeUsage() {
    return "lmprime - brands the generic LmHook module for one product by writing its resources.\n"
           "\n"
           "Usage:\n"
           "  lmprime IN-MODULE OUT-MODULE (--core NAME-OR-PATH | --unprimed)\n"
           "          [--config TEXT] [--short-name NAME]\n"
           "  lmprime IN-MODULE --bundle DIR --name NAME (--core NAME-OR-PATH | --unprimed)\n"
           "          [--core-file FILE] [--config TEXT] [--short-name NAME]\n"
           "  lmprime --show MODULE\n"
           "  lmprime --help\n"
           "\n"
           "Priming writes a copy of IN-MODULE to OUT-MODULE (which may be IN-MODULE itself)\n"
           "carrying these resources, each a UTF-8 text followed by a NUL byte:\n"
           "  LMCORE/PATH       --core: the core library's file name or path (below 2048 bytes).\n"
           "                    A bare file name is looked for beside the hook module; for a\n"
           "                    path that names no file, its last component is looked for there.\n"
           "                    --unprimed writes a single NUL byte instead: the hook then takes\n"
           "                    its core from the registry value CorePath.\n"
           "  LMHOOK/CONFIG     --config: the hook configuration string (below 1024 bytes),\n"
           "                    e.g. FixedChannelConfig:stereo|Media:VST-One|CoreConfig:abc\n"
           "  LMHOOK/SHORTNAME  --short-name: the product's short name (1 to 1023 bytes)\n"
           "Resources of these names already in IN-MODULE are removed, in every language; the\n"
           "new ones are language neutral. CONFIG and SHORTNAME are written only when given.\n"
           "\n"
           "Bundle: --bundle DIR --name NAME writes, instead of OUT-MODULE,\n"
           "  DIR\\NAME.aaxplugin\\Contents\\x64\\NAME.aaxplugin   (the primed module)\n"
           "replacing an earlier bundle of that name; DIR is made when missing. --core-file FILE\n"
           "copies the core library beside the module, named as the --core text when that is a\n"
           "bare file name, else as the last component of the --core path.\n"
           "\n"
           "  --show MODULE     prints the three resources of MODULE.\n"
           "  --                every later argument is a file, even when it starts with '-'.\n"
           "\n"
           "Nothing is half-written: output is built beside its target and moved into place when\n"
           "complete; after a failure the target is as it was.\n"
           "Exit status: 0 done, 1 failed, 2 bad arguments.\n";
}
