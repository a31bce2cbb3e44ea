#pragma once

#include "input_opener.h"
#include "merge_host.h"
#include "namespace_merger.h"
#include "output_sink.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace geoplait {

// The path of the input that a pass opened last, for the whole process. Messages about an
// input's content name the input from it.
const std::string& CurrentInputName();

// How a merge run reaches its files.
struct MergeOptions {
  OutputSink::Policy output_policy = OutputSink::Policy::kEachLine;
  // Null: inputs are opened as text files (FileInputOpener).
  InputOpener* input_opener = nullptr;
  // Inputs whose head is not one element per line are read re-laid out (RelayingInputOpener);
  // off, every input is read line by line as it stands.
  bool relayout = true;
};

// One "Merge Files" run over the host's input file list, and its three passes: the bounds
// scan, the header and waypoints, the tracks. Everything it tells goes through the host.
class MergeEngine {
 public:
  explicit MergeEngine(MergeHost& host, MergeOptions options = {});
  MergeEngine(const MergeEngine&) = delete;
  MergeEngine& operator=(const MergeEngine&) = delete;

  // The whole run, from the list check to the success message. True when the merged file
  // was written completely.
  bool CmMergeFiles();

  // Pass 1: the overall bounds. maxlat is 100.0 when no input gave any, and the other three
  // are then not set. False when the inputs cannot be merged, after the messages that say why.
  bool ScanBounds(double& maxlat, double& maxlon, double& minlat, double& minlon);

  // The extent of the points from the input's current line, a point line, to its end.
  bool ScanPointBounds(LineSource& input, double& maxlat, double& maxlon, double& minlat,
                       double& minlon);

  // Reads the number after key in line into value. False, after the missing-field message,
  // when the line does not hold the key.
  bool ReadAttributeValue(double& value, std::string_view line, std::string_view key);

  // Pass 2: the first input's two header lines, the metadata block when maxlat is not above
  // 90, and the waypoint section of every input.
  bool WriteHeaderAndWaypoints(OutputSink& out, double maxlat, double maxlon, double minlat,
                               double minlon);

  // Pass 3: the track section of every input, with "ACTIVE LOG" tracks renamed, and "</gpx>".
  bool WriteTracks(OutputSink& out);

  // The metadata time stamp, UTC, "YYYY-MM-DDThh:mm:ssZ". Valid until the next call.
  const char* FormatTimeStamp();

 private:
  std::unique_ptr<LineSource> OpenInput(const std::string& path);
  bool InputFailed(const LineSource& input, const std::string& path);
  // Notes the namespaces that the input's gpx start tag declares. False, after the message,
  // when it binds a prefix to another name than an earlier input does.
  bool CollectNamespaces(const LineSource& input, const std::string& path);
  bool IsOneOfTheInputs(const std::string& output_path);
  // Inline: it is called for every line written.
  bool Emit(OutputSink& out, std::string_view text, bool end_line = true) {
    out.Write(text, end_line);
    at_line_start_ = end_line;
    return !out.Failed();
  }
  void EndSection(OutputSink& out);
  void Tell(std::string_view text, int style);
  void ReportWriteFailure();

  MergeHost& host_;
  MergeOptions options_;
  FileInputOpener file_opener_;
  // The namespaces of the inputs' gpx start tags, from the bounds scan for the header.
  NamespaceMerger namespaces_;
  // The output while a run writes it, so that every message can first flush it.
  OutputSink* output_ = nullptr;
  std::string output_path_;
  bool write_failure_reported_ = false;
  // Whether the last piece written ended its line.
  bool at_line_start_ = true;
};

}  // namespace geoplait
