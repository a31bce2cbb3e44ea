#pragma once

#include "control.h"

#include <string>
#include <string_view>

namespace geoplait::toolkit {

// A static text control.
class TStatic : public TControl {
 public:
  TStatic(TWindow* parent, int id);

  std::string GetText() const;
  void SetText(std::string_view text);

 protected:
  bool CanBindTo(const QWidget& widget) const override;
};

}  // namespace geoplait::toolkit
