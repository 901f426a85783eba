// One manual page source rendered as troff and as the help text.
#include "manual_page.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

constexpr const char* kSource = R"(tool(1) - does *one* thing

# SYNOPSIS

    tool [--name VALUE]
         [--a-rather-long-option]

# DESCRIPTION

`tool` reads C:\ and
.starts a line with a dot.

# OPTIONS

--name VALUE
  use `VALUE` as the *name* of the thing

--a-rather-long-option
  a description long enough that the help text has to wrap it onto a second line of its own
)";

TEST(ManualPage, TroffAndHelpTextComeFromTheSameSource) {
  const manual::Rendered page = manual::render(kSource, "QTP 9.9");
  EXPECT_EQ(page.usage,
            "usage: tool [--name VALUE]\n"
            "            [--a-rather-long-option]\n"
            "  --name VALUE        use VALUE as the name of the thing\n"
            "  --a-rather-long-option\n"
            "                      a description long enough that the help text has to wrap\n"
            "                      it onto a second line of its own\n");
  for (const char* part :
       {".TH TOOL 1 \"\" \"QTP 9.9\"\n.SH NAME\ntool \\- does \\fIone\\fR thing\n",
        ".SH SYNOPSIS\n.nf\ntool [\\-\\-name VALUE]\n     "
        "[\\-\\-a\\-rather\\-long\\-option]\n.fi\n",
        ".PP\n\\fBtool\\fR reads C:\\e and\n\\&.starts a line with a dot.\n",
        ".TP\n\\fB\\-\\-name\\fR \\fIVALUE\\fR\nuse \\fBVALUE\\fR as the \\fIname\\fR of the "
        "thing\n"})
    EXPECT_NE(page.troff.find(part), std::string::npos) << part << "\nin\n" << page.troff;
}

TEST(ManualPage, HelpTextListsTheKeysAfterTheOptions) {
  const manual::Rendered page = manual::render(
      "tool(1) - x\n\n# SYNOPSIS\n\n    tool\n\n# KEYS\n\nCtrl+.\n  set the brake\n", "1");
  EXPECT_EQ(page.usage, "usage: tool\n\nkeys:\n  Ctrl+.              set the brake\n");
}

TEST(ManualPage, SourcesOutOfFormAreRefusedNamingTheLine) {
  struct Case {
    const char* source;
    const char* reason;
  };
  for (const Case& c : {
           Case{"tool - no section\n", "line 1"},
           Case{"tool(1) - x\n\n# SYNOPSIS\n\n    tool\n\n   three spaces\n", "line 7"},
           Case{"tool(1) - x\n\n# SYNOPSIS\n\n    tool\n\nan `open mark\n", "`open mark"},
           Case{"tool(1) - x\n\n# OPTIONS\n\n--x\n  no synopsis\n", "no SYNOPSIS"},
       }) {
    try {
      manual::render(c.source, "1");
      ADD_FAILURE() << c.source;
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
  }
}

}  // namespace
