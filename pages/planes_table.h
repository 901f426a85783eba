#pragma once
// The product's four aircraft as the aircraft page shows them and as the CD carries their
// pictures and descriptions; plain data, so the content generator reads the same table.
#include <array>

struct PlaneEntry {
  const char* title;
  const char* plane;    // picture names: the preview lies in UIRES\PLANES\PREV\, the large
  const char* cockpit;  // picture in UIRES\PLANES\, each as <name>.JPG
};

// By aircraft number 1..4, which is also the installer's.
inline constexpr std::array<PlaneEntry, 4> kPlanes{{
    {"Piper PA28-181, MFT", "PA28_00", "PA28COC_pp00_goodyear"},
    {"Piper PA28-181, Serienmaschine", "PA28plane_01", "PA28COC_pp02_goodyear"},
    {"Beechcraft F33A Bonanza, MFT", "F33A_03", "F33Acoc_06"},
    {"Beechcraft A36 Bonanza, Serienmaschine", "A36plane_00", "A36COC_02"},
}};

// Relative to the CD root.
inline constexpr char kPlanesTextPath[] = "UIRES\\PLANES\\PLANES.TXT";

// The description of aircraft 1 that the page shows when it opens, before anything is read from
// the CD; the CD's own description of aircraft 1 says the same.
inline constexpr char kFirstPlaneDescription[] =
    "Die Piper PA28-181 der Flugschule ist ein viersitziger Tiefdecker mit festem "
    "Bugradfahrwerk.\n"
    "Für die Ausbildung ist sie mit Doppelsteuer, zwei NAV/COM-Geräten, ADF, DME und "
    "Transponder ausgerüstet.\n"
    "Motor: Vierzylinder-Boxer mit 180 PS und Festpropeller.\n"
    "Reisegeschwindigkeit: 120 Knoten, Reichweite: rund 500 NM.\n"
    "Ihre gutmütigen Flugeigenschaften machen sie zum idealen Flugzeug für die ersten "
    "Platzrunden.";
