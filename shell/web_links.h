#pragma once
// The outside web pages the shell links to. Each address can be set through its environment
// variable; otherwise the product's default is used.
#include <QString>

enum class WebLink { Maker, AOPA, SkyHarbor, BLP, Raytheon, Piper, MerovairSchool };

QString WebAddress(WebLink link);
