// Writes the pair Counter (dword) and Text (string) in turns, forever, into the product key of
// the prefix given, and reports each finished write on standard output.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/prefix.h"
#include "platform/registry.h"

int main(int argc, char** argv) {
  if (argc != 2 || !platform::openPrefix(argv[1])) return 2;
  auto key = platform::RegistryKey::open("SOFTWARE\\NORVANE\\QTP\\1.0", true);
  if (!key) return 3;
  std::uint32_t counter = key->readInteger("Counter").value_or(0);
  for (;;) {
    ++counter;
    if (!key->writeInteger("Counter", counter)) return 4;
    if (!key->writeString("Text", std::to_string(counter))) return 5;
    const std::string done = std::to_string(counter) + "\n";
    if (::write(STDOUT_FILENO, done.data(), done.size()) < 0) return 6;
  }
}
