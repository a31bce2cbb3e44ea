#include "command_line.h"

#include <getopt.h>

namespace geoplait {

CommandLine ParseCommandLine(int argc, char** argv) {
  enum { kHelp = 256, kVersion, kNoRelayout };
  static const option kOptions[] = {
      {"output", required_argument, nullptr, 'o'},
      {"force", no_argument, nullptr, 'f'},
      {"quiet", no_argument, nullptr, 'q'},
      {"help", no_argument, nullptr, kHelp},
      {"version", no_argument, nullptr, kVersion},
      {"no-relayout", no_argument, nullptr, kNoRelayout},
      {nullptr, 0, nullptr, 0},
  };
  MergeRequest request;
  bool have_output = false;
  optind = 0;  // 0, not 1: GNU getopt then also forgets a half-parsed earlier call
  int c;
  while ((c = getopt_long(argc, argv, "o:fq", kOptions, nullptr)) != -1) {
    switch (c) {
      case 'o':
        request.settings.output = optarg;
        have_output = true;
        break;
      case 'f':
        request.settings.force = true;
        break;
      case 'q':
        request.settings.quiet = true;
        break;
      case kNoRelayout:
        request.relayout = false;
        break;
      case kHelp:
        return HelpRequest{};
      case kVersion:
        return VersionRequest{};
      default:
        return UsageError{};
    }
  }
  for (int i = optind; i < argc; ++i) {
    request.settings.inputs.emplace_back(argv[i]);
  }
  if (!have_output) {
    return UsageError{"no output file given (-o OUTPUT)"};
  }
  if (request.settings.output.empty()) {
    return UsageError{"the output file name is empty"};
  }
  if (request.settings.inputs.empty()) {
    return UsageError{"no input files given"};
  }
  return request;
}

std::string UsageText(const std::string& program) {
  return "Usage: " + program +
         " [--no-relayout] [-f|--force] [-q|--quiet] -o OUTPUT INPUT...\n"
         "Merges GPX files into OUTPUT: the first input's header lines, the overall bounds,\n"
         "then every waypoint section and every track section of the inputs, in the order\n"
         "given. Tracks named \"ACTIVE LOG\" are renamed UnnamedTrk000001 and up.\n"
         "An input that is not laid out one element per line (a whole file on one line, a\n"
         "gpx start tag over several lines) is read re-laid out that way first.\n"
         "\n"
         "  -o, --output OUTPUT  the merged file to write\n"
         "  -f, --force          replace OUTPUT if it exists\n"
         "  -q, --quiet          do not report success\n"
         "      --no-relayout    read every input line by line as it stands\n"
         "      --help           show this help and exit\n"
         "      --version        show the version and exit\n"
         "\n"
         "SOURCE_DATE_EPOCH, when set to decimal seconds since 1970-01-01T00:00:00Z, gives\n"
         "the merged file's time stamp, so that the same inputs give the same bytes.\n"
         "Exit status: 0 when OUTPUT was created, 1 when the merge failed, 2 for bad usage.\n";
}

}  // namespace geoplait
