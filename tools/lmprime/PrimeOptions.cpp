#include "PrimeOptions.h"

#include <map>

#include "util/WideText.h"

namespace {

enum class Option { Core, Unprimed, Config, ShortName, Bundle, Name, CoreFile, Show, Help };

struct OptionSpelling {
    const wchar_t* text;
    Option option;
    bool takesValue;
};

const OptionSpelling kOptions[] = {
    {L"--core", Option::Core, true},          {L"--unprimed", Option::Unprimed, false},
    {L"--config", Option::Config, true},      {L"--short-name", Option::ShortName, true},
    {L"--bundle", Option::Bundle, true},      {L"--name", Option::Name, true},
    {L"--core-file", Option::CoreFile, true}, {L"--show", Option::Show, true},
    {L"--help", Option::Help, false},         {L"-h", Option::Help, false},
};

std::string Utf8Of(const std::wstring& text) { return Util::FromWide(text.c_str()).Bytes(); }

std::string Quoted(const std::wstring& text) { return "\"" + Utf8Of(text) + "\""; }

// UTF-8 for a resource text. Text that does not survive the round trip (an unpaired
// surrogate) is refused rather than stored with replacement characters.
bool TextArgument(const std::wstring& text, const char* option, std::string& utf8, std::string& error) {
    utf8 = Utf8Of(text);
    if (std::wstring(Util::ToWide(Util::String(utf8)).CStr()) == text) return true;
    error = std::string("the value of ") + option + " is not valid Unicode text";
    return false;
}

struct RawArguments {
    std::map<Option, std::wstring> values;  // flags map to ""
    std::vector<std::wstring> positional;

    bool Has(Option option) const { return values.count(option) != 0; }
    const std::wstring& Value(Option option) const { return values.at(option); }
};

bool Collect(const std::vector<std::wstring>& arguments, RawArguments& raw, std::string& error) {
    bool onlyPositional = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::wstring& argument = arguments[i];
        if (onlyPositional || argument.size() < 2 || argument[0] != L'-') {
            raw.positional.push_back(argument);
            continue;
        }
        if (argument == L"--") {
            onlyPositional = true;
            continue;
        }
        const OptionSpelling* spelling = nullptr;
        for (const OptionSpelling& candidate : kOptions)
            if (argument == candidate.text) spelling = &candidate;
        if (spelling == nullptr) {
            error = "unknown option " + Quoted(argument);
            return false;
        }
        if (raw.Has(spelling->option)) {
            error = Utf8Of(argument) + " is given twice";
            return false;
        }
        std::wstring value;
        if (spelling->takesValue) {
            if (i + 1 >= arguments.size()) {
                error = Utf8Of(argument) + " needs a value";
                return false;
            }
            value = arguments[++i];
        }
        raw.values[spelling->option] = value;
    }
    return true;
}

bool ParseShow(const RawArguments& raw, PrimeCommand& command, std::string& error) {
    if (raw.values.size() != 1 || !raw.positional.empty()) {
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
    if (raw.positional.empty()) {
        error = "missing the input module";
    } else if (raw.positional.size() < wanted) {
        error = "missing the output module (or --bundle DIR --name NAME)";
    } else if (raw.positional.size() > wanted) {
        error = "unexpected argument " + Quoted(raw.positional[wanted]);
        if (bundle) error += " (a bundle takes no output module)";
    } else if (raw.positional[0].empty() || (!bundle && raw.positional[1].empty())) {
        error = "a module path is empty";
    }
    if (!error.empty()) return false;
    command.inModule = raw.positional[0];
    if (!bundle) command.outModule = raw.positional[1];
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
    if (core && !TextArgument(raw.Value(Option::Core), "--core", settings.core, error)) return false;
    std::string text;
    if (raw.Has(Option::Config)) {
        if (!TextArgument(raw.Value(Option::Config), "--config", text, error)) return false;
        settings.config = text;
    }
    if (raw.Has(Option::ShortName)) {
        if (!TextArgument(raw.Value(Option::ShortName), "--short-name", text, error)) return false;
        settings.shortName = text;
    }
    error = CheckPrimeSettings(settings);
    return error.empty();
}

}  // namespace

bool ParsePrimeArguments(const std::vector<std::wstring>& arguments, PrimeCommand& command, std::string& error) {
    command = PrimeCommand();
    error.clear();
    RawArguments raw;
    if (!Collect(arguments, raw, error)) return false;
    if (raw.Has(Option::Help)) return true;
    if (raw.Has(Option::Show)) return ParseShow(raw, command, error);
    if (raw.values.empty() && raw.positional.empty()) {
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
