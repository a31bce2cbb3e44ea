#include "relaying_input_opener.h"

#include "relaid_line_source.h"
#include "relayout_rule.h"
#include "rewindable_line_source.h"
#include "xml_tokenizer.h"

namespace geoplait {

RelayingInputOpener::RelayingInputOpener(InputOpener& files) : files_(files) {}

std::unique_ptr<LineSource> RelayingInputOpener::Open(const std::string& path, int& error) {
  std::unique_ptr<LineSource> file = files_.Open(path, error);
  if (!file) {
    return nullptr;
  }
  auto input = std::make_unique<RewindableLineSource>(std::move(file), kHeadLimit);
  HeadVerdict verdict;
  {
    XmlTokenizer head(*input);
    verdict = JudgeHead(head);
  }
  input->Rewind();
  input->SetGpxStartTag(std::move(verdict.gpx_start_tag));
  if (!verdict.relayout) {
    return input;
  }
  return std::make_unique<RelaidLineSource>(std::move(input));
}

}  // namespace geoplait
