// trellis-lint's checks: the library's own loaders, run without a window, and the match of skin
// sections against the dialogues' elements.
#include "Lint.h"

#include "diagnostics/NameSuggestion.h"
#include "dialogue/ElementTagTable.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/SkinClasses.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/skin/SkinOutline.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace trellis {

namespace {

// The pixel grid the dialogues are built on: the demo window's.
constexpr int kLintWidth = 1024, kLintHeight = 768;

// The names and skin classes of every element in a tree.
struct TreeNames {
    std::unordered_set<std::string> names;    // element names
    std::unordered_set<std::string> classes;  // skin classes
};

void collectNames(const GuiElement& element, TreeNames& found) {
    found.names.insert(element.name);
    found.classes.insert(element.skinClass);
    for (const GuiElement* child : element.children.oldestFirst())
        collectNames(*child, found);
}

// Loads each dialogue under a root of its own, gathering its elements' names and classes; true
// when all of them loaded.
bool loadDialogues(const std::vector<std::string>& files, TreeNames& found) {
    bool all = true;
    for (const std::string& file : files) {
        rootElement = new GuiRoot();
        all = loadDialogue(file.c_str()) && all;
        collectNames(*rootElement, found);
        delete rootElement;
    }
    return all;
}

// The hint naming the skin class or element name that a section's name most likely meant.
std::string sectionHint(const std::string& section, const TreeNames& found) {
    NameSuggestion suggestion(section);
    for (const std::string& name : skinClassNames())
        suggestion.consider(name);
    for (const auto* names : {&found.classes, &found.names})
        for (const std::string& name : *names)
            suggestion.consider(name);
    return suggestion.hint();
}

// Warns about each skin section that no element of the dialogues would consult.
void checkSections(const std::string& skinFile, const std::vector<SkinOutline>& skins,
                   const TreeNames& found) {
    for (const SkinOutline& skin : skins)
        for (const SkinFilePlace& section : skin.sections)
            if (!isSkinClassName(section.name) && !found.classes.count(section.name) &&
                !found.names.count(section.name))
                reportDiagnostic(Diagnostic{skinFile, section.line, section.column,
                                            Severity::Warning,
                                            "section <" + section.name + "> in skin \"" +
                                                skin.skin.name +
                                                "\" matches no skin class and no element name in "
                                                "the dialogue" +
                                                sectionHint(section.name, found) +
                                                "; never applied"});
}

// Each diagnostic once, grouped by file in the order of files (then of first mention for any
// other), then by line and column.
std::vector<Diagnostic> sorted(const std::vector<Diagnostic>& reported,
                               const std::vector<std::string>& files) {
    std::set<std::tuple<std::string, int, int, int, std::string>> seen;
    // Each file's rank, found once: the first mention of a file given twice counts.
    std::unordered_map<std::string, size_t> rank;
    for (const std::string& file : files)
        rank.emplace(file, rank.size());
    std::vector<Diagnostic> result;
    for (const Diagnostic& d : reported) {
        if (!seen.emplace(d.file, d.line, d.column, int(d.severity), d.message).second)
            continue;
        rank.emplace(d.file, rank.size());
        result.push_back(d);
    }
    const auto key = [&rank](const Diagnostic& d) {
        return std::make_tuple(rank.at(d.file), d.line, d.column);
    };
    std::stable_sort(result.begin(), result.end(),
                     [&key](const Diagnostic& a, const Diagnostic& b) { return key(a) < key(b); });
    return result;
}

void ignoreEvent(void*, CallbackSender*) {}

}  // namespace

std::vector<Diagnostic> lintFiles(const LintRequest& request) {
    DiagnosticCollector collector;
    static int receiver;  // a callback fires only with a receiver; these never fire
    for (const std::string& name : request.callbacks)
        registerCallback(name.c_str(), ignoreEvent, &receiver);
    // The program's own tags build plain elements here, whose attributes its classes read.
    for (const std::string& tag : request.tags)
        registerStandInTag(tag);
    fixScreenUnitsFor(kLintWidth, kLintHeight);
    std::vector<SkinOutline> skins;
    if (!request.skinFile.empty())
        skins = loadEverySkin(request.skinFile.c_str());
    TreeNames found;
    if (loadDialogues(request.dialogues, found) && !request.dialogues.empty())
        checkSections(request.skinFile, skins, found);
    std::vector<std::string> files = request.dialogues;
    files.insert(files.begin(), request.skinFile);
    return sorted(collector.diagnostics(), files);
}

}  // namespace trellis
