#pragma once

#include "control.h"

#include <string>
#include <string_view>

namespace geoplait::toolkit {

// A push button control. It takes no part in transfers.
class TButton : public TControl {
 public:
  TButton(TWindow* parent, int id);

  std::string GetText() const;
  void SetText(std::string_view text);

 protected:
  bool CanBindTo(const QWidget& widget) const override;
};

}  // namespace geoplait::toolkit
