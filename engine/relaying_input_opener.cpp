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
  auto head = std::make_unique<RewindableLineSource>(std::move(file), kHeadLimit);
  HeadVerdict verdict;
  {
    XmlTokenizer tokens(*head);
    verdict = JudgeHead(tokens);
  }
  std::unique_ptr<LineSource> input;
  if (!verdict.relayout) {
    // Most inputs are read as they stand: their own reader, back at the start, spares every
    // line a trip through the copy of the head.
    input = head->TakeInputFromStart();
  }
  if (!input) {
    head->Rewind();
    input = std::move(head);
    if (verdict.relayout) {
      input = std::make_unique<RelaidLineSource>(std::move(input));
    }
  }
  input->SetGpxStartTag(std::move(verdict.gpx_start_tag));
  return input;
}

}  // namespace geoplait
