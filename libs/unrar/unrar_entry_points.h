#pragma once
// The UnRAR interface's entry points as a program binds them after loading the library by name,
// so that our libunrar.so and a user's own library serve alike.
#include <dlfcn.h>

#include "libs/unrar/unrar.h"

struct UnrarEntryPoints {
  decltype(&::RAROpenArchive) open = nullptr;
  decltype(&::RARCloseArchive) close = nullptr;
  decltype(&::RARReadHeader) readHeader = nullptr;
  decltype(&::RARProcessFile) processFile = nullptr;
  decltype(&::RARSetChangeVolProc) setChangeVolProc = nullptr;
  decltype(&::RARSetProcessDataProc) setProcessDataProc = nullptr;
  decltype(&::RARSetPassword) setPassword = nullptr;
  decltype(&::RARGetDllVersion) getDllVersion = nullptr;

  // Binds every entry point from a loaded library; false when any is missing.
  bool bind(void* library) {
    return bindOne(library, open, "RAROpenArchive") && bindOne(library, close, "RARCloseArchive") &&
           bindOne(library, readHeader, "RARReadHeader") &&
           bindOne(library, processFile, "RARProcessFile") &&
           bindOne(library, setChangeVolProc, "RARSetChangeVolProc") &&
           bindOne(library, setProcessDataProc, "RARSetProcessDataProc") &&
           bindOne(library, setPassword, "RARSetPassword") &&
           bindOne(library, getDllVersion, "RARGetDllVersion");
  }

 private:
  template <typename F>
  static bool bindOne(void* library, F& slot, const char* name) {
    slot = reinterpret_cast<F>(dlsym(library, name));
    return slot != nullptr;
  }
};
