#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/GlobalOptions.h"

// The subcommands of glyphon-cli. Each takes the arguments after its name
// and returns the exit status: 0 when everything succeeded, 1 when any
// picture failed, 2 for bad usage.
namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

int convertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const GlobalOptions& global = {});
int infoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const GlobalOptions& global = {});
int showCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const GlobalOptions& global = {});
int splitCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const GlobalOptions& global = {});
int counterCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const GlobalOptions& global = {});
int phonesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const GlobalOptions& global = {});
int displaysCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
