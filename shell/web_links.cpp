#include "shell/web_links.h"

#include <QByteArray>
#include <array>

namespace {

struct WebLinkEntry {
  WebLink link;
  const char* variable;
  const char* address;
};

constexpr std::array kWebLinks{
    WebLinkEntry{WebLink::Maker, "QTP_URL_MAKER", "https://www.norvane.de/"},
    WebLinkEntry{WebLink::AOPA, "QTP_URL_AOPA", "https://www.aopa.de/"},
    WebLinkEntry{WebLink::SkyHarbor, "QTP_URL_SKYHARBOR", "https://www.skyharbor.com/"},
    // The sponsors' pages have no addresses of their own yet: reserved names stand in.
    WebLinkEntry{WebLink::BLP, "QTP_URL_BLP", "https://www.blp.example/"},
    WebLinkEntry{WebLink::Raytheon, "QTP_URL_RAYTHEON", "https://www.raytheon-aircraft.example/"},
    WebLinkEntry{WebLink::Piper, "QTP_URL_PIPER", "https://www.piper-aircraft.example/"},
    WebLinkEntry{WebLink::MerovairSchool, "QTP_URL_MEROVAIR",
                 "https://www.merovair.example/flugschule/"},
};

}  // namespace

QString WebAddress(WebLink link) {
  for (const WebLinkEntry& entry : kWebLinks) {
    if (entry.link != link) continue;
    const QByteArray configured = qgetenv(entry.variable);
    return configured.isEmpty() ? QString::fromLatin1(entry.address)
                                : QString::fromUtf8(configured);
  }
  return {};
}
