// The program's command line.
#include <gtest/gtest.h>

#include "automation/options.h"

namespace {

using automation::parseOptions;
using Action = automation::ProgramOptions::Action;

TEST(ProgramOptions, NoArgumentsRunsWithDefaults) {
  const auto options = parseOptions({});
  EXPECT_EQ(options.action, Action::Run);
  EXPECT_TRUE(options.prefix.isEmpty());
  EXPECT_EQ(options.screenWidth, 0);
  EXPECT_TRUE(options.scriptFile.isEmpty());
}

TEST(ProgramOptions, ValuesAsNextWordOrAfterEquals) {
  const auto options =
      parseOptions({"--prefix", "/tmp/p", "--screen-width=651", "--automate", "walk.qtpw"});
  EXPECT_EQ(options.action, Action::Run);
  EXPECT_EQ(options.prefix, "/tmp/p");
  EXPECT_EQ(options.screenWidth, 651);
  EXPECT_EQ(options.scriptFile, "walk.qtpw");
}

TEST(ProgramOptions, CreatePrefixAndVerboseAreFlags) {
  const auto options = parseOptions({"--verbose", "--prefix", "/tmp/p", "--create-prefix"});
  EXPECT_TRUE(options.createPrefix && options.verbose);
  EXPECT_FALSE(parseOptions({}).createPrefix || parseOptions({}).verbose);
  EXPECT_EQ(parseOptions({"--verbose=yes"}).action, Action::Error);
}

TEST(ProgramOptions, HelpAndVersionTheFirstWins) {
  EXPECT_EQ(parseOptions({"--version"}).action, Action::Version);
  EXPECT_EQ(parseOptions({"--help", "--version"}).action, Action::Help);
  EXPECT_EQ(parseOptions({"--prefix", "x", "--version"}).action, Action::Version);
}

TEST(ProgramOptions, BadArgumentsAreErrorsThatSayWhy) {
  for (const QStringList& bad :
       {QStringList{"--bogus"}, QStringList{"prefix"}, QStringList{"--prefix"},
        QStringList{"--automate="}, QStringList{"--screen-width", "wide"},
        QStringList{"--screen-width", "0"}, QStringList{"--screen-width", "-5"},
        QStringList{"--version=2"}, QStringList{"--help", "--bogus"}}) {
    const auto options = parseOptions(bad);
    EXPECT_EQ(options.action, Action::Error) << bad.join(' ').toStdString();
    EXPECT_FALSE(options.error.isEmpty());
  }
}

}  // namespace
