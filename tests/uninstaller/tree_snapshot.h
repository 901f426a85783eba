#pragma once
// Every entry under a folder by its relative path: a file's mode and content hash, a folder, a
// link and its target. Links are never followed.
#include <filesystem>
#include <map>
#include <string>

std::map<std::string, std::string> TreeSnapshot(const std::filesystem::path& root);
