#include "interpreter/FunctionNames.h"

namespace zuvar {

namespace {

uint64_t LengthBit(std::size_t length) { return uint64_t{1} << (length < 63 ? length : 63); }

}  // namespace

void TFunctionNames::push_back(std::string name) {
  lengths_ |= LengthBit(name.size());
  if (!name.empty()) firsts_.set(static_cast<unsigned char>(name[0]));
  names_.push_back(std::move(name));
}

void TFunctionNames::clear() {
  names_.clear();
  lengths_ = 0;
  firsts_.reset();
}

bool TFunctionNames::Contains(std::string_view name) const {
  if ((lengths_ & LengthBit(name.size())) == 0) return false;
  if (!name.empty() && !firsts_.test(static_cast<unsigned char>(name[0]))) return false;
  for (const std::string& entry : names_) {
    if (entry == name) return true;
  }
  return false;
}

}  // namespace zuvar
