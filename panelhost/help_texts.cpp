#include "panelhost/help_texts.h"

#include <algorithm>
#include <array>

namespace panelhost {
namespace {

struct HelpText {
  ID32 id;
  std::string_view text;
};

// clang-format off
constexpr auto kHelpTexts = std::to_array<HelpText>({
    // Engine
    {0xAB58, "Drehzahlmesser"},
    {0xAB46, "Ladedruckanzeige"},
    {0xAB28, "Kraftstoffdurchfluss"},
    {0xAB15, "Zylinderkopftemperatur"},
    {0xAB4F, "Öltemperatur"},
    {0xAB0B, "Amperemeter"},
    {0xAB4E, "Öldruck"},
    {0xAB66, "Unterdruckanzeige"},
    // Fuel, flaps, gear and brakes
    {0xAB29, "Kraftstoffvorrat linker Tank"},
    {0xAB2A, "Kraftstoffvorrat rechter Tank"},
    {0xAB2D, "Kraftstoffwahlschalter"},
    {0xAB24, "Landeklappenanzeige"},
    {0xAB30, "Fahrwerkshebel und Fahrwerksanzeige"},
    {0xAB51, "Feststellbremse"},
    // Levers and switches
    {0xAB6C, "Leistungshebel"},
    {0xAB6A, "Propellerverstellhebel"},
    {0xAB6B, "Gemischhebel"},
    {0xAB45, "Zündschalter"},
    {0xAB17, "Kühlklappen"},
    {0xAB53, "Höhenrudertrimmung"},
    {0xAB0F, "Avionik-Hauptschalter"},
    // Flight instruments
    {0xAB02, "Fahrtmesser"},
    {0xAB0D, "Künstlicher Horizont"},
    {0xAB07, "Höhenmesser"},
    {0xAB71, "Wendezeiger"},
    {0xAB76, "Variometer"},
    {0xAB77, "Magnetkompass"},
    {0xAB16, "Borduhr"},
    // Navigation
    {0xAB36, "Horizontale Situationsanzeige (HSI)"},
    {0xAB74, "Kursablageanzeige NAV 2"},
    {0xAB5A, "Radiomagnetischer Kompass (RMI)"},
    {0xAB50, "Anzeige der Markierungsfunkfeuer"},
    {0xA704, "Entfernungsmessgerät (DME)"},
    // Radios
    {0xA700, "Navigationsempfänger NAV 1"},
    {0xA702, "Navigationsempfänger NAV 2"},
    {0xA701, "Funkgerät COM 1"},
    {0xA703, "Funkgerät COM 2"},
    {0xA709, "Funkkompass (ADF)"},
    {0xA70A, "Transponder"},
});
// clang-format on

}  // namespace

std::string_view helpText(ID32 helpId) {
  const auto found = std::find_if(kHelpTexts.begin(), kHelpTexts.end(),
                                  [helpId](const HelpText& row) { return row.id == helpId; });
  return found == kHelpTexts.end() ? kUnnamedHelpText : found->text;
}

}  // namespace panelhost
