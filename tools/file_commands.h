#pragma once
// The runner's file commands: conversion of data files of any layout into
// the current one, and a new project's data file.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace torven::cli {

// args start with "--convert" or "--new". The table definitions are read
// from tablesDirectory. Returns the exit status; usage errors and file
// problems are kExitFileProblem.
int RunFileCommand(const std::vector<std::string>& args, const std::filesystem::path& tablesDirectory,
                   std::ostream& out, std::ostream& err);

}  // namespace torven::cli
