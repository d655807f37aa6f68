// The benchmark table: medians of the repetitions, their spread, the ratios and the targets.
#include "TableReporter.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace trellis {

namespace {

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// (max - min) / median, as a percentage: how far apart the repetitions fell.
double spreadPercent(const std::vector<double>& values) {
    const double middle = median(values);
    if (values.empty() || middle == 0)
        return 0;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return 100 * (*high - *low) / middle;
}

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

std::string verdict(bool met) {
    return met ? "met" : "MISSED";
}

using Series = TableReporter::Series;

class Table {
public:
    explicit Table(std::ostream& out) : out(out) {}

    void heading(const std::string& title, const std::vector<std::string>& columns) {
        out << "\n" << title << "\n";
        row(columns);
    }

    void row(const std::vector<std::string>& cells) {
        for (size_t i = 0; i < cells.size(); ++i) {
            const int width = i == 0 ? 10 : 14;
            char cell[128];
            const bool left = i == 0 || i + 1 == cells.size();  // names and notes
            std::snprintf(cell, sizeof cell, left ? "  %-*s" : "%*s", width, cells[i].c_str());
            out << cell;
        }
        out << "\n";
    }

    void note(const std::string& text) { out << "  " << text << "\n"; }

private:
    std::ostream& out;
};

const std::vector<double>& counter(const Series& series, const char* name) {
    static const std::vector<double> none;
    auto found = series.counters.find(name);
    return found == series.counters.end() ? none : found->second;
}

double medianOf(const Series& series, const char* name) {
    return median(counter(series, name));
}

std::string ratioRange(const Series& series, const char* name) {
    const auto& values = counter(series, name);
    if (values.empty())
        return "-";
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return format("%.2f", *low) + "-" + format("%.2f", *high);
}

bool reportErrors(Table& table, const std::map<long, Series>& family, const char* name) {
    bool any = false;
    for (const auto& [size, series] : family)
        if (!series.error.empty()) {
            table.note(std::string(name) + " " + std::to_string(size) + ": " + series.error);
            any = true;
        }
    return any;
}

void frameTable(Table& table, const std::map<long, Series>& family) {
    table.heading("Frame cost of the immediate renderer: CPU ms per frame, all threads, clear + "
                  "drawFrame + swap (1024 x 768, Mesa llvmpipe)",
                  {"buttons", "elements", "trellis ms", "floor ms", "ratio", "ratio range", "noise",
                   "draw ratio", "target"});
    for (const auto& [buttons, s] : family) {
        if (!s.error.empty())
            continue;
        const double ratio = medianOf(s, "ratio");
        table.row({std::to_string(buttons), format("%.0f", medianOf(s, "elements")),
                   format("%.3f", medianOf(s, "trellis_ms")),
                   format("%.3f", medianOf(s, "floor_ms")), format("%.3f", ratio),
                   ratioRange(s, "ratio"),
                   format("%.0f%%", spreadPercent(counter(s, "trellis_ms"))),
                   format("%.3f", medianOf(s, "draw_ratio")),
                   buttons >= 1000 ? "<= 1.10 " + verdict(ratio <= 1.10) : "-"});
    }
    reportErrors(table, family, "frame");
    table.note("ratio = trellis / floor in each run; draw ratio = the same for the drawing "
               "thread before the swap; noise = (max - min) / median of trellis ms");
}

void loadTable(Table& table, const std::map<long, Series>& family) {
    table.heading("Dialogue load: CPU ms, loadDialogue from fresh tables beside TinyXML's "
                  "LoadFile of the same file",
                  {"elements", "tree", "load ms", "parse ms", "ratio", "ratio range", "noise",
                   "release ms", "target"});
    for (const auto& [elements, s] : family) {
        if (!s.error.empty())
            continue;
        const double ratio = medianOf(s, "ratio");
        table.row({std::to_string(elements), format("%.0f", medianOf(s, "elements")),
                   format("%.2f", medianOf(s, "load_ms")), format("%.2f", medianOf(s, "parse_ms")),
                   format("%.2f", ratio), ratioRange(s, "ratio"),
                   format("%.0f%%", spreadPercent(counter(s, "load_ms"))),
                   format("%.2f", medianOf(s, "release_ms")), "<= 3 " + verdict(ratio <= 3)});
    }
    reportErrors(table, family, "load");
    table.note("ratio = load / parse in each run; release = TinyXML freeing the parsed document, "
               "which loadDialogue does at its end (part of load ms, not of parse ms)");
}

void scalingTable(Table& table, const std::map<long, Series>& family) {
    for (const auto& [elements, s] : family) {
        if (!s.error.empty()) {
            table.note("scaling: " + s.error);
            continue;
        }
        const double scale = medianOf(s, "scaling");
        table.note("scaling, measured side by side: load of " + std::to_string(elements) +
                   " / load of " + std::to_string(elements / 10) + " = " + format("%.2f", scale) +
                   " (range " + ratioRange(s, "scaling") +
                   "; target <= 11: " + verdict(scale <= 11) + ")");
    }
}

void reskinTable(Table& table, const std::map<long, Series>& family) {
    table.heading("Re-skin: reskinTree from the root after loadSkin(\"test\"), CPU",
                  {"elements", "tree", "ms", "us/element", "noise"});
    double perElement[2] = {0, 0};
    for (const auto& [elements, s] : family) {
        if (!s.error.empty())
            continue;
        const double seconds = median(s.seconds), tree = medianOf(s, "elements");
        table.row({std::to_string(elements), format("%.0f", tree), format("%.2f", seconds * 1e3),
                   format("%.3f", seconds * 1e6 / tree),
                   format("%.0f%%", spreadPercent(s.seconds))});
        perElement[elements >= 100000] = seconds / tree;
    }
    reportErrors(table, family, "reskin");
    if (perElement[0] > 0 && perElement[1] > 0)
        table.note("per element, 100000 / 10000 = " +
                   format("%.2f", perElement[1] / perElement[0]) + " (linear: about 1)");
    table.note("us/element counts every element of the tree: title bars and close buttons too");
}

void skinsTable(Table& table, const std::map<long, Series>& family) {
    table.heading("Skin file: loadEverySkin of a file of N skins (trellis-lint --skin), CPU",
                  {"skins", "ms", "us/skin", "noise"});
    double perSkin[2] = {0, 0};
    for (const auto& [skins, s] : family) {
        if (!s.error.empty())
            continue;
        const double seconds = median(s.seconds);
        table.row({std::to_string(skins), format("%.2f", seconds * 1e3),
                   format("%.3f", seconds * 1e6 / double(skins)),
                   format("%.0f%%", spreadPercent(s.seconds))});
        perSkin[skins >= 10000] = seconds / double(skins);
    }
    reportErrors(table, family, "skins");
    if (perSkin[0] > 0 && perSkin[1] > 0)
        table.note("per skin, 10000 / 1000 = " + format("%.2f", perSkin[1] / perSkin[0]) +
                   " (linear: about 1)");
}

void findTable(Table& table, const std::map<std::string, std::map<long, Series>>& results) {
    table.heading("Pointer search: findElementAt from the root, CPU per call",
                  {"tree", "size", "per call", "per element", "noise"});
    auto row = [&](const char* family, const char* what) {
        auto found = results.find(family);
        if (found == results.end())
            return;
        for (const auto& [size, s] : found->second) {
            if (!s.error.empty())
                continue;
            const double seconds = median(s.seconds);
            table.row({what, std::to_string(size), format("%.3f us", seconds * 1e6),
                       format("%.2f ns", seconds * 1e9 / double(size)),
                       format("%.0f%%", spreadPercent(s.seconds))});
        }
        reportErrors(table, found->second, family);
    };
    row("find/flat", "flat");
    row("find/deep", "deep");
    table.note("flat: siblings under the root, the pointer over none of them (all are tried); "
               "deep: a chain of levels, the pointer inside the deepest");
}

void editingTable(Table& table, const std::map<long, Series>& family) {
    if (family.empty())
        return;
    table.heading("Text field editing: wall us per event, in the middle of the text",
                  {"bytes", "typed char", "drag step", "noise", "-"});
    for (const auto& [bytes, s] : family) {
        if (!s.error.empty())
            continue;
        table.row({std::to_string(bytes), format("%.2f", medianOf(s, "type_us")),
                   format("%.2f", medianOf(s, "drag_us")),
                   format("%.0f%%", spreadPercent(s.seconds)), ""});
    }
    reportErrors(table, family, "editing");
    table.note("typed char = onChar('x') with the caret in the middle (then Backspace, untimed); "
               "drag step = onMouseDrag selecting from the middle to one side of the field");
}

void startupTable(Table& table, const std::map<std::string, std::map<long, Series>>& results) {
    table.heading("Start-up and memory", {"measure", "", "median", "noise", "detail"});
    auto first = [&](const char* family) -> const Series* {
        auto found = results.find(family);
        return found == results.end() || found->second.empty() ? nullptr
                                                               : &found->second.begin()->second;
    };
    if (const Series* s = first("startup")) {
        if (s->error.empty()) {
            table.row({"start-up", "ms", format("%.1f", medianOf(*s, "total_ms")),
                       format("%.0f%%", spreadPercent(counter(*s, "total_ms"))),
                       "to the first frame drawn"});
            for (const char* phase : {"exec_ms", "window_ms", "gui_ms", "dialogue_ms", "frame_ms"})
                table.row({"", phase, format("%.1f", medianOf(*s, phase)),
                           format("%.0f%%", spreadPercent(counter(*s, phase))), ""});
            table.note("demo files: " + s->label + "; the dialogue built " +
                       format("%.0f", medianOf(*s, "elements")) + " elements with the root");
        } else {
            table.note("start-up: " + s->error);
        }
    }
    if (const Series* s = first("demo_memory"))
        table.row({"demo peak", "MB RSS",
                   s->error.empty() ? format("%.1f", medianOf(*s, "peak_rss_mb")) : s->error,
                   format("%.0f%%", spreadPercent(counter(*s, "peak_rss_mb"))), "running 2 s"});
    auto memory = results.find("memory");
    if (memory != results.end())
        for (const auto& [elements, s] : memory->second)
            table.row({"heap", "bytes/elem", format("%.0f", medianOf(s, "bytes_per_element")), "",
                       std::to_string(elements) + "-element dialogue, " +
                           format("%.0f", medianOf(s, "elements")) + " in the tree; " +
                           format("%.0f", medianOf(s, "skin_bytes_per_element")) +
                           " of them in the skin store"});
}

// The batched renderer beside the immediate renderer, the floor, Dear ImGui and an empty frame,
// with the targets.
void peerRows(Table& table, const std::map<long, Series>& peer) {
    table.heading(
        "Peer scene: CPU ms per frame, all threads, clear + draw + swap; a window over "
        "the viewport and N buttons \"Button\" (1024 x 768, Mesa llvmpipe)",
        {"buttons", "batched", "immediate", "floor", "ImGui 1.86", "empty", "calls", "targets"});
    for (const auto& [buttons, s] : peer) {
        if (!s.error.empty())
            continue;
        const double batched = medianOf(s, "batched_ms"), immediate = medianOf(s, "immediate_ms");
        const double imgui = medianOf(s, "imgui_ms");
        std::string targets = "< ImGui " + verdict(imgui > 0 && batched < imgui);
        if (buttons >= 1000)
            targets += ", <= ImGui/2 " + verdict(imgui > 0 && 2 * batched <= imgui) +
                       ", immediate/batched " + format("%.1f", immediate / batched) + " >= 5 " +
                       verdict(immediate >= 5 * batched);
        table.row({std::to_string(buttons), format("%.3f", batched), format("%.3f", immediate),
                   format("%.3f", medianOf(s, "floor_ms")), imgui > 0 ? format("%.3f", imgui) : "-",
                   format("%.3f", medianOf(s, "empty_ms")),
                   format("%.0f", medianOf(s, "draw_calls")), targets});
    }
    reportErrors(table, peer, "peer");
    table.note("batched = the default renderer as it runs: this scene does not change, so from "
               "the second frame on its saved pixels are put back where that pays (from 600 "
               "primitives); immediate = one glBegin/glEnd per quad, text and bevel; floor = the "
               "immediate call stream replayed from flat arrays; empty = clear and swap alone; "
               "calls = the batched frame's draw calls");
}

// The batched renderer's full, unchanged and one-change frames.
void changeRows(Table& table, const std::map<long, Series>& full,
                const std::map<long, Series>& change) {
    table.heading(
        "Batched renderer, frame by frame (same scene, same run)",
        {"buttons", "full redraw", "unchanged", "one changed", "repaired px", "culled", "-"});
    for (const auto& [buttons, s] : change) {
        if (!s.error.empty())
            continue;
        const auto f = full.find(buttons);
        const bool haveFull = f != full.end() && f->second.error.empty();
        table.row({std::to_string(buttons),
                   haveFull ? format("%.3f", medianOf(f->second, "full_ms")) : "-",
                   format("%.3f", medianOf(s, "unchanged_ms")),
                   format("%.3f", medianOf(s, "changed_ms")),
                   format("%.0f", medianOf(s, "repaired_px")),
                   haveFull ? format("%.0f", medianOf(f->second, "culled")) : "-", ""});
    }
    reportErrors(table, change, "peer_change");
    table.note("full redraw = recorded and drawn in full every frame (reuse off); unchanged = "
               "nothing changed since the last frame; one changed = one button's colour changed "
               "since the last frame (repaired px = pixels drawn again); culled = primitives "
               "left out as wholly outside the viewport");
}

// Gallery-like frames by each renderer, with their draw calls.
void mixedTable(Table& table, const std::map<long, Series>& mixed) {
    if (mixed.empty())
        return;
    table.heading("Mixed dialogue: scrolling panels of labels, check boxes, sliders, text fields "
                  "and pictures (CPU ms per frame, draw calls)",
                  {"elements", "still", "full redraw", "shader", "immediate", "calls"});
    for (const auto& [elements, s] : mixed) {
        if (!s.error.empty())
            continue;
        table.row({std::to_string(elements), format("%.3f", medianOf(s, "still_ms")),
                   format("%.3f", medianOf(s, "full_ms")), format("%.3f", medianOf(s, "shader_ms")),
                   format("%.3f", medianOf(s, "immediate_ms")),
                   format("%.0f", medianOf(s, "still_calls")) + " / " +
                       format("%.0f", medianOf(s, "full_calls")) + " / " +
                       format("%.0f", medianOf(s, "shader_calls"))});
    }
    reportErrors(table, mixed, "mixed");
    table.note("still = the batched renderer as it runs, the pointer resting on a panel; full "
               "redraw = the batched renderer recording and drawing every frame (reuse off); "
               "shader = the shader renderer likewise; calls = draw calls of still / full / "
               "shader frames");
}

// List boxes of every length side by side: frames should not grow with the items, loads do.
void listTable(Table& table, const std::map<long, Series>& lists) {
    if (lists.empty())
        return;
    table.heading("List box: CPU ms per frame and to load, by items",
                  {"items", "scrolling", "full redraw", "load ms", "frame vs fewest"});
    double fewest = 0;
    for (const auto& [items, s] : lists) {
        if (!s.error.empty())
            continue;
        const double scrolling = medianOf(s, "scroll_ms");
        if (fewest == 0)
            fewest = scrolling;
        table.row({std::to_string(items), format("%.3f", scrolling),
                   format("%.3f", medianOf(s, "full_ms")), format("%.2f", medianOf(s, "load_ms")),
                   format("%.2f", scrolling / fewest)});
    }
    reportErrors(table, lists, "listbox");
    table.note("scrolling = a row further every frame, the frame reused where it can be; full "
               "redraw = recorded and drawn in full; load = loadDialogue of the file holding the "
               "items (the fastest of three); frame vs fewest = scrolling frame / the shortest "
               "list's");
}

// trellis beside Dear ImGui where everything moves, in both contexts, with the targets.
void movingRows(Table& table, const char* title, const std::map<long, Series>& compatible,
                const std::map<long, Series>& core, bool halfTarget) {
    table.heading(title, {"buttons", "trellis GL2", "ImGui GL2", "ratio", "trellis 3.3",
                          "ImGui GL3", "ratio", "targets"});
    std::map<long, std::pair<const Series*, const Series*>> sizes;
    for (const auto& [n, s] : compatible)
        sizes[n].first = &s;
    for (const auto& [n, s] : core)
        sizes[n].second = &s;
    for (const auto& [buttons, pair] : sizes) {
        std::vector<std::string> cells = {std::to_string(buttons)};
        std::string targets;
        for (const Series* s : {pair.first, pair.second}) {
            if (!s || !s->error.empty()) {
                cells.insert(cells.end(), {"-", "-", "-"});
                continue;
            }
            const double mine = medianOf(*s, "trellis_ms"), imgui = medianOf(*s, "imgui_ms");
            const double ratio = imgui > 0 ? mine / imgui : 0;
            cells.insert(cells.end(), {format("%.2f", mine), imgui > 0 ? format("%.2f", imgui) : "-",
                                       imgui > 0 ? format("%.2f", ratio) : "-"});
            if (!targets.empty())
                targets += "; ";
            targets += (s == pair.first ? "GL2 " : "3.3 ") +
                       ("< ImGui " + verdict(imgui > 0 && ratio < 1));
            if (halfTarget && buttons >= 1000)
                targets += ", <= 1/2 " + verdict(imgui > 0 && ratio <= 0.5);
            const double differing = medianOf(*s, "differing_px");
            if (differing > 0)
                targets += format(" (%.0f px differ)", differing);
        }
        cells.push_back(targets);
        table.row(cells);
    }
    reportErrors(table, compatible, "compatibility");
    reportErrors(table, core, "core");
}

// Text in TrueType fonts beside Dear ImGui in the same font and size, still and changed every
// frame, with the glyph atlases' sizes.
void textTable(Table& table, const std::map<std::string, std::map<long, Series>>& results) {
    const struct {
        const char* family;
        const char* texts;
    } kinds[] = {{"latin_still", "Latin still"},
                 {"latin_animated", "Latin changing"},
                 {"japanese_still", "Japanese still"},
                 {"japanese_animated", "Japanese changing"}};
    bool headed = false;
    for (const auto& kind : kinds) {
        const auto found = results.find(kind.family);
        if (found == results.end())
            continue;
        if (!headed)
            table.heading("Text: CPU ms per frame, all threads, clear + draw + swap; a window over "
                          "the viewport and N labels in a TrueType font",
                          {"labels", "texts", "trellis", "ImGui 1.86", "ratio", "ratio range",
                           "empty", "atlas KiB", "ImGui KiB", "target"});
        headed = true;
        for (const auto& [labels, s] : found->second) {
            if (!s.error.empty())
                continue;
            const double mine = medianOf(s, "trellis_ms"), imgui = medianOf(s, "imgui_ms");
            const auto ifImgui = [&](const std::string& text) { return imgui > 0 ? text : "-"; };
            table.row({std::to_string(labels), kind.texts, format("%.3f", mine),
                       ifImgui(format("%.3f", imgui)), ifImgui(format("%.2f", mine / imgui)),
                       ratioRange(s, "ratio"), format("%.3f", medianOf(s, "empty_ms")),
                       format("%.0f", medianOf(s, "atlas_kib")),
                       ifImgui(format("%.0f", medianOf(s, "imgui_atlas_kib"))),
                       "<= ImGui " + verdict(imgui > 0 && mine <= imgui)});
        }
        reportErrors(table, found->second, kind.family);
    }
    if (headed)
        table.note("Latin: 20 characters a label, DejaVu Sans; Japanese: 10, Noto Sans CJK; the "
                   "same file and line height in pixels for both; ratio = trellis / ImGui, of the "
                   "medians, and its range over the runs; still = the texts unchanged; "
                   "changing = every label's text changed every frame; atlas KiB = trellis's "
                   "glyph atlas (coverage bytes; its GL textures are RGBA), ImGui KiB = ImGui's "
                   "font texture (RGBA)");
}

void peerTable(Table& table, const std::map<std::string, std::map<long, Series>>& results) {
    static const std::map<long, Series> none;
    auto familyOf = [&](const char* name) -> const std::map<long, Series>& {
        auto found = results.find(name);
        return found == results.end() ? none : found->second;
    };
    if (!familyOf("peer").empty())
        peerRows(table, familyOf("peer"));
    if (!familyOf("peer_change").empty())
        changeRows(table, familyOf("peer_full"), familyOf("peer_change"));
    if (!familyOf("animated_compat").empty() || !familyOf("animated_core").empty())
        movingRows(table,
                   "Animated scene: CPU ms per frame, all threads, clear + draw + swap; the peer "
                   "grid, every button recoloured every frame (trellis by drawInterface)",
                   familyOf("animated_compat"), familyOf("animated_core"), true);
    if (!familyOf("hud_compat").empty() || !familyOf("hud_core").empty())
        movingRows(table,
                   "HUD over a changing scene: CPU ms per frame, all threads; clear, a host "
                   "triangle turned every frame, a window of N buttons over part of it, swap",
                   familyOf("hud_compat"), familyOf("hud_core"), false);
    if (!familyOf("animated_compat").empty() || !familyOf("hud_compat").empty())
        table.note("GL2 = compatibility context: trellis's batched renderer, ImGui's OpenGL 2 "
                   "backend; 3.3 = OpenGL 3.3 core context: the shader renderer, ImGui's OpenGL 3 "
                   "backend; ratio = trellis / ImGui; px differ = pixels of the core frame unlike "
                   "the immediate path's in the compatibility context");
}

}  // namespace

bool TableReporter::ReportContext(const Context&) {
    loadAtStart = loadAverage();
    return true;
}

void TableReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration)
            continue;
        Series& series = results[run.run_name.function_name][std::atol(run.run_name.args.c_str())];
        std::cerr << "  " << run.benchmark_name()
                  << (run.error_occurred ? ": " + run.error_message : "") << "\n";
        if (run.error_occurred) {
            series.error = run.error_message;
            continue;
        }
        series.seconds.push_back(run.GetAdjustedCPUTime() /
                                 benchmark::GetTimeUnitMultiplier(run.time_unit));
        for (const auto& [name, value] : run.counters)
            series.counters[name].push_back(value.value);
        series.label = run.report_label;
    }
}

void TableReporter::Finalize() {
    std::ostream& out = GetOutputStream();
    size_t runs = 0;
    for (const auto& [family, sizes] : results)
        for (const auto& [size, series] : sizes)
            runs = std::max(runs, series.seconds.size());
    out << "\ntrellis benchmarks on " << machine << "\n"
        << "load average (1, 5, 15 min) at start " << loadAtStart << ", at end " << loadAverage()
        << "; medians of up to " << runs << " runs\n";
    Table table(out);
    peerTable(table, results);
    textTable(table, results);
    auto family = [&](const char* name) -> const std::map<long, Series>& { return results[name]; };
    frameTable(table, family("frame"));
    mixedTable(table, family("mixed"));
    listTable(table, family("listbox"));
    loadTable(table, family("load"));
    scalingTable(table, family("load_scaling"));
    reskinTable(table, family("reskin"));
    skinsTable(table, family("skins"));
    findTable(table, results);
    editingTable(table, family("editing"));
    startupTable(table, results);
    out << std::flush;
}

}  // namespace trellis
