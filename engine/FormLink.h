// The engine's only way to the form: read it into the record, write the record
// into it, and show a modal warning. The calculator dialog implements it.
#pragma once

#include <string_view>

namespace engine {

class FormLink {
public:
  virtual ~FormLink() = default;
  // Copies the form into the form-bound fields with range checks. A rejected
  // field has already been reported to the user; the engine never looks at
  // the result and goes on with the record as the read left it.
  virtual bool ReadForm() = 0;
  virtual void WriteForm() = 0;
  // Modal; returns when the user dismisses it.
  virtual void ShowWarning(std::string_view text) = 0;

protected:
  FormLink() = default;
  FormLink(const FormLink&) = default;
  FormLink& operator=(const FormLink&) = default;
};

} // namespace engine
