// aaxhost scan: loads a module the way a host scans it and prints everything it
// described, as text or as JSON.
#include <cstdio>
#include <string>

#include "aax/AAX_Enums.h"
#include "aax/AAX_StemFormat.h"
#include "aaxhost/cli/Commands.h"
#include "aaxhost/cli/JsonWriter.h"
#include "aaxhost/cli/ModuleSession.h"
#include "toolcli/CommandLine.h"
#include "toolcli/CommandRunner.h"

namespace aaxhost::cli {
namespace {

constexpr const char* kUsage =
    "usage: aaxhost scan <module> [--json]\n"
    "\n"
    "Loads the module (ACFStartup, ACFRegisterPlugin) and prints what it described: the\n"
    "package, then per effect its identifier, names, categories, factories (procedure\n"
    "IDs), resources and per component its context fields, stem formats, properties in\n"
    "the order added, MIDI nodes and aux output stems, each by its published name. Every\n"
    "\"Fatal Error\" box the module shows is answered and reported. Exits 1 when registration does not succeed\n"
    "(what was described up to then is still printed), 2 for bad arguments.\n"
    "\n"
    "--json prints one JSON object instead:\n"
    "  module               the path as given\n"
    "  result, resultName   ACFRegisterPlugin's result (0 is success) and its name\n"
    "  collectionReturned   whether the module handed the collection back\n"
    "  fatalErrors          [text, ...] the \"Fatal Error\" boxes, in order\n"
    "  package              {manufacturer (text or null), version (number or null),\n"
    "                        versionHex, names [text]}\n"
    "  effects              [{id, names [text], categories [number],\n"
    "                         procedures [{id, name}], resources [{type, info}],\n"
    "                         components [component]}]\n"
    "  component            {inputStem, outputStem: {value, name},\n"
    "                        fields [{kind, field, ...}] (AddPrivateData: size, options;\n"
    "                          AddAuxOutputStem: stemFormat, name; AddMIDINode: nodeType,\n"
    "                          nodeTypeName, name, channelMask),\n"
    "                        properties [{id, name (null when unknown), value, hex,\n"
    "                          fourCC (IDs that are four-character codes)}],\n"
    "                        midiNodes [{field, type, typeName, name, channelMask}],\n"
    "                        auxStems [{field, stemFormat, stemName, name}]}\n";

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

// The property's published name; "" for a property this host has no name for.
std::string PropertyName(AAX_EProperty id) {
    const std::string name = AAX_PropertyName(id);
    return name == "unknown property" ? "" : name;
}

bool IsFourCharCode(AAX_EProperty id) {
    return id == AAX_eProperty_ManufacturerID || id == AAX_eProperty_ProductID || id == AAX_eProperty_PlugInID_Native ||
           id == AAX_eProperty_PlugInID_AudioSuite;
}

std::string FourCC(std::uint32_t value) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((value >> shift) & 0xFF);
        text += (c >= 0x20 && c < 0x7F) ? c : '.';
    }
    return text;
}

void WriteStem(JsonWriter& json, AAX_EStemFormat stem) {
    json.BeginObject()
        .Key("value")
        .Integer(static_cast<std::uint32_t>(stem))
        .Key("name")
        .String(AAX_StemFormatName(stem))
        .EndObject();
}

void WriteComponent(JsonWriter& json, const ComponentDescription& component) {
    json.BeginObject();
    json.Key("inputStem");
    WriteStem(json, component.InputStemFormat());
    json.Key("outputStem");
    WriteStem(json, component.OutputStemFormat());
    json.Key("fields").BeginArray();
    for (const FieldDeclaration& field : component.fields) {
        json.BeginObject().Key("kind").String(FieldKindName(field.kind)).Key("field").Integer(field.field);
        switch (field.kind) {
        case FieldKind::PrivateData:
            json.Key("size").Integer(field.privateDataSize).Key("options").Integer(field.privateDataOptions);
            break;
        case FieldKind::AuxOutputStem:
            json.Key("stemFormat").Integer(static_cast<std::uint32_t>(field.stemFormat)).Key("name").String(field.name);
            break;
        case FieldKind::MIDINode:
            json.Key("nodeType")
                .Integer(field.midiNodeType)
                .Key("nodeTypeName")
                .String(AAX_MIDINodeTypeName(field.midiNodeType))
                .Key("name")
                .String(field.name)
                .Key("channelMask")
                .Integer(field.channelMask);
            break;
        default: break;
        }
        json.EndObject();
    }
    json.EndArray();
    json.Key("properties").BeginArray();
    for (const Property& property : component.Properties()) {
        const std::string name = PropertyName(property.id);
        const auto value = static_cast<std::uint32_t>(property.value);
        json.BeginObject().Key("id").Integer(property.id).Key("name");
        if (name.empty())
            json.Null();
        else
            json.String(name);
        json.Key("value").Integer(property.value).Key("hex").String(Hex(value));
        if (IsFourCharCode(property.id)) json.Key("fourCC").String(FourCC(value));
        json.EndObject();
    }
    json.EndArray();
    json.Key("midiNodes").BeginArray();
    for (const MIDINodeDeclaration& node : component.midiNodes)
        json.BeginObject()
            .Key("field")
            .Integer(node.field)
            .Key("type")
            .Integer(node.type)
            .Key("typeName")
            .String(AAX_MIDINodeTypeName(node.type))
            .Key("name")
            .String(node.name)
            .Key("channelMask")
            .Integer(node.channelMask)
            .EndObject();
    json.EndArray();
    json.Key("auxStems").BeginArray();
    for (const AuxOutputStem& stem : component.auxOutputStems)
        json.BeginObject()
            .Key("field")
            .Integer(stem.audioOutField)
            .Key("stemFormat")
            .Integer(static_cast<std::uint32_t>(stem.stemFormat))
            .Key("stemName")
            .String(AAX_StemFormatName(stem.stemFormat))
            .Key("name")
            .String(stem.name)
            .EndObject();
    json.EndArray();
    json.EndObject();
}

std::string ScanJson(const std::string& path, const Registration& registration,
                     const std::vector<std::string>& fatalErrors) {
    const PackageDescription& package = registration.package;
    JsonWriter json;
    json.BeginObject();
    json.Key("module").String(path);
    json.Key("result").Integer(registration.result);
    json.Key("resultName").String(ResultText(registration.result));
    json.Key("collectionReturned").Bool(registration.collectionReturned);
    json.Key("fatalErrors").BeginArray();
    for (const std::string& text : fatalErrors) json.String(text);
    json.EndArray();
    json.Key("package").BeginObject();
    json.Key("manufacturer");
    if (package.manufacturerName)
        json.String(*package.manufacturerName);
    else
        json.Null();
    json.Key("version");
    if (package.packageVersion)
        json.Integer(*package.packageVersion);
    else
        json.Null();
    json.Key("versionHex");
    if (package.packageVersion)
        json.String(Hex(*package.packageVersion));
    else
        json.Null();
    json.Key("names").BeginArray();
    for (const std::string& name : package.packageNames) json.String(name);
    json.EndArray().EndObject();
    json.Key("effects").BeginArray();
    for (const EffectDescription& effect : package.effects) {
        json.BeginObject().Key("id").String(effect.identifier);
        json.Key("names").BeginArray();
        for (const std::string& name : effect.names) json.String(name);
        json.EndArray().Key("categories").BeginArray();
        for (const std::uint32_t category : effect.categories) json.Integer(category);
        json.EndArray().Key("procedures").BeginArray();
        for (const ProcPtr& proc : effect.procPtrs)
            json.BeginObject().Key("id").Integer(proc.id).Key("name").String(AAX_ProcPtrIDName(proc.id)).EndObject();
        json.EndArray().Key("resources").BeginArray();
        for (const ResourceInfo& resource : effect.resources)
            json.BeginObject().Key("type").Integer(resource.type).Key("info").String(resource.info).EndObject();
        json.EndArray().Key("components").BeginArray();
        for (const ComponentDescription& component : effect.components) WriteComponent(json, component);
        json.EndArray().EndObject();
    }
    json.EndArray();
    json.EndObject();
    return json.Text();
}

std::string ScanText(const std::string& path, const Registration& registration,
                     const std::vector<std::string>& fatalErrors) {
    const PackageDescription& package = registration.package;
    std::string out = "module " + path + "\n";
    out += "registration " + ResultText(registration.result) + "\n";
    for (const std::string& text : fatalErrors) out += "fatal error: " + text + "\n";
    out += "package\n";
    out += "  manufacturer " +
           (package.manufacturerName ? "\"" + *package.manufacturerName + "\"" : std::string("(none)")) + "\n";
    out += "  version " + (package.packageVersion ? Hex(*package.packageVersion) : std::string("(none)")) + "\n";
    for (const std::string& name : package.packageNames) out += "  name \"" + name + "\"\n";
    for (const EffectDescription& effect : package.effects) {
        out += "effect \"" + effect.identifier + "\"\n";
        for (const std::string& name : effect.names) out += "  name \"" + name + "\"\n";
        for (const std::uint32_t category : effect.categories) out += "  category " + Hex(category) + "\n";
        for (const ProcPtr& proc : effect.procPtrs)
            out += "  procedure " + std::to_string(proc.id) + " " + AAX_ProcPtrIDName(proc.id) + "\n";
        for (const ResourceInfo& resource : effect.resources)
            out += "  resource " + std::to_string(resource.type) + " \"" + resource.info + "\"\n";
        for (std::size_t c = 0; c < effect.components.size(); ++c) {
            const ComponentDescription& component = effect.components[c];
            out += "  component " + std::to_string(c) + "\n";
            out += std::string("    stems in ") + AAX_StemFormatName(component.InputStemFormat()) + ", out " +
                   AAX_StemFormatName(component.OutputStemFormat()) + "\n";
            for (const FieldDeclaration& field : component.fields) out += "    field " + DescribeField(field) + "\n";
            for (const Property& property : component.Properties()) {
                const std::string name = PropertyName(property.id);
                out += "    property " + std::to_string(property.id) + (name.empty() ? "" : " " + name) + " = " +
                       std::to_string(property.value) + " (" + Hex(static_cast<std::uint32_t>(property.value)) +
                       (IsFourCharCode(property.id) ? " '" + FourCC(static_cast<std::uint32_t>(property.value)) + "'"
                                                    : "") +
                       ")\n";
            }
            for (const MIDINodeDeclaration& node : component.midiNodes)
                out += "    midi node " + std::to_string(node.field) + " " + AAX_MIDINodeTypeName(node.type) + " \"" +
                       node.name + "\" mask " + Hex(node.channelMask) + "\n";
            for (const AuxOutputStem& stem : component.auxOutputStems)
                out += "    aux stem " + std::to_string(stem.audioOutField) + " " +
                       AAX_StemFormatName(stem.stemFormat) + " \"" + stem.name + "\"\n";
        }
    }
    return out;
}

}  // namespace

int RunScan(const Arguments& arguments) {
    return toolcli::RunCommand("aaxhost", "aaxhost scan", [&] {
        const toolcli::ParsedOptions options(arguments, {{"--json", toolcli::OptionRule::Kind::Flag}});
        if (options.Has("--help")) {
            std::fputs(kUsage, stdout);
            return toolcli::kExitSucceeded;
        }
        if (options.Positional().size() != 1) throw toolcli::UsageError("scan takes one module path");
        const std::string path = options.Positional().front();
        ModuleSession session(path);
        const std::vector<std::string> fatalErrors = session.FatalErrors();
        const std::string report = options.Has("--json") ? ScanJson(path, session.Registered(), fatalErrors)
                                                         : ScanText(path, session.Registered(), fatalErrors);
        std::fwrite(report.data(), 1, report.size(), stdout);
        if (!session.RegistrationSucceeded()) {
            std::fprintf(stderr, "aaxhost: the module's registration failed with %s\n",
                         ResultText(session.Registered().result).c_str());
            return toolcli::kExitFailed;
        }
        return toolcli::kExitSucceeded;
    });
}

}  // namespace aaxhost::cli
