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
