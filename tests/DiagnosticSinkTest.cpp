// Tests for the diagnostics channel: the compiler-style text, user text quoted on one line,
// silence without a handler, and collectors that nest, forward and put the previous handler back.
#include "trellis/diagnostics/DiagnosticSink.h"
#include "diagnostics/DiagnosticText.h"
#include "trellis/diagnostics/DiagnosticCollector.h"

#include <gtest/gtest.h>

using namespace trellis;

TEST(DiagnosticSink, FormatsLikeACompiler) {
    const struct {
        Diagnostic diagnostic;
        const char* text;
    } cases[] = {
        {{"testDialogue.xml", 12, 5, Severity::Warning, "unknown attribute \"widht\""},
         "testDialogue.xml:12:5: warning: unknown attribute \"widht\""},
        {{"missing.xml", 0, 0, Severity::Error, "cannot open"},
         "missing.xml:0:0: error: cannot open"},
        {{"a.xml", 1, 1, Severity::Note, "here"}, "a.xml:1:1: note: here"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatDiagnostic(c.diagnostic), c.text);
}

TEST(DiagnosticSink, QuotesUserTextOnOneLine) {
    const std::string ascii(31, 'x');  // then 20 three-byte characters: byte 60 is inside one
    std::string utf8 = ascii;
    for (int i = 0; i < 20; ++i)
        utf8 += "\xe2\x82\xac";
    const struct {
        std::string text, quoted;
    } cases[] = {
        {"ok", "\"ok\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"line\nbreak\ttab\x7f", "\"line\\x0abreak\\x09tab\\x7f\""},
        {std::string(70, 'a'), "\"" + std::string(60, 'a') + "...\""},
        {utf8, "\"" + utf8.substr(0, 31 + 27) + "...\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(quoted(c.text), c.quoted);
}

TEST(DiagnosticSink, NestedCollectorsForwardAndRestore) {
    const Diagnostic first{"f.xml", 1, 2, Severity::Warning, "first"};
    const Diagnostic second{"f.xml", 3, 4, Severity::Error, "second"};
    ASSERT_FALSE(diagnosticsWanted());
    reportDiagnostic(first);  // no handler: goes nowhere, and must not crash
    {
        DiagnosticCollector outer;
        {
            DiagnosticCollector forwarding(true);
            reportDiagnostic(first);
            EXPECT_EQ(forwarding.diagnostics().size(), 1u);
        }
        {
            DiagnosticCollector keeping;
            reportDiagnostic(second);
            EXPECT_EQ(keeping.count(Severity::Error), 1u);
        }
        reportDiagnostic(second);
        ASSERT_EQ(outer.diagnostics().size(), 2u);
        EXPECT_EQ(outer.diagnostics()[0].message, "first");
        EXPECT_EQ(outer.diagnostics()[1].message, "second");
        EXPECT_EQ(outer.count(Severity::Warning), 1u);
    }
    EXPECT_FALSE(diagnosticsWanted());
}
