// trellis-lint's checks: the library's own loaders, run without a window, and the match of skin
// sections against the dialogues' elements.
#include "Lint.h"

#include "LintText.h"
#include "diagnostics/NameSuggestion.h"
#include "dialogue/ElementTagTable.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/SkinClasses.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/skin/SkinOutline.h"
#include "trellis/style/SkinStore.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <sys/stat.h>
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
    std::unordered_set<std::string> styles;   // style class sections: "." and the class
};

void collectNames(const GuiElement& element, TreeNames& found) {
    found.names.insert(element.name);
    found.classes.insert(element.skinClass);
    std::istringstream styleClasses(element.styleClasses);
    for (std::string each; styleClasses >> each;)
        found.styles.insert(styleClassSection(each));
    for (const GuiElement* child : element.children.oldestFirst())
        collectNames(*child, found);
}

// An element a dialogue built, and where its tag stands.
struct BuiltAt {
    const GuiElement* element;
    std::string tag;
    int line, column;
};

// Loads each dialogue under a root of its own, checking the text of each element once the file
// is laid out (a width in percent, auto, fill or from a container is known only then), and
// gathering the elements' names and classes; true when all of them loaded.
bool loadDialogues(const std::vector<std::string>& files, TreeNames& found) {
    bool all = true;
    for (const std::string& file : files) {
        rootElement = new GuiRoot();
        std::vector<BuiltAt> built;
        observeBuiltElements(
            [&built](const GuiElement& element, const char* tag, int line, int column) {
                built.push_back({&element, tag, line, column});
            });
        all = loadDialogue(file.c_str()) && all;
        observeBuiltElements({});
        for (const BuiltAt& at : built)
            checkElementText(*at.element, at.tag.c_str(), file, at.line, at.column);
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
    for (const auto* names : {&found.classes, &found.names, &found.styles})
        for (const std::string& name : *names)
            suggestion.consider(name);
    return suggestion.hint();
}

// Warns about each skin section that no element of the dialogues would consult.
void checkSections(const std::string& skinFile, const std::vector<SkinOutline>& skins,
                   const TreeNames& found) {
    for (const SkinOutline& skin : skins)
        for (const SkinFilePlace& section : skin.sections) {
            // A state section belongs with its owner; the skin loader checks the state.
            const std::string owner = section.name.substr(0, section.name.rfind(':'));
            if (isSkinClassName(owner) || found.classes.count(owner) || found.names.count(owner) ||
                found.styles.count(owner))
                continue;
            const bool style = !owner.empty() && owner[0] == '.';
            reportDiagnostic(Diagnostic{
                skinFile, section.line, section.column, Severity::Warning,
                "section <" + section.name + "> in skin \"" + skin.skin.name + "\" matches " +
                    (style ? "no element's style class" : "no skin class and no element name") +
                    " in the dialogue" + sectionHint(owner, found) + "; never applied"});
        }
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
    // The font the program would read: the one given, or the default in the working directory.
    struct stat status;
    for (const std::string& font : request.fontFiles)
        loadLintFont(font);
    if (request.fontFiles.empty() && stat(kFontFileName, &status) == 0)
        loadLintFont(kFontFileName);
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
