// Test support: the diagnostics a DiagnosticCollector gathered, as text to search and to show
// when a check fails.
#pragma once

#include "trellis/diagnostics/DiagnosticCollector.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace trellis {

// The collected diagnostics, one a line: "LINE: message".
inline std::string listed(const DiagnosticCollector& collected) {
    std::string text;
    for (const Diagnostic& d : collected.diagnostics())
        text += std::to_string(d.line) + ": " + d.message + "\n";
    return text;
}

// Success when each piece of text is in some collected diagnostic's line; else a failure that
// names the pieces missing and lists the diagnostics.
inline ::testing::AssertionResult mentionsAll(const DiagnosticCollector& collected,
                                              std::initializer_list<const char*> pieces) {
    const std::string text = listed(collected);
    std::string missing;
    for (const char* piece : pieces)
        if (text.find(piece) == std::string::npos)
            missing += std::string(missing.empty() ? "" : ", ") + piece;
    if (missing.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no diagnostic mentions " << missing << ":\n" << text;
}

}  // namespace trellis
