#include "framework/StringList.h"

#include <windows.h>

namespace framework {

int TStringList::IndexOf(const std::string& text) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const std::string& item = items_[i];
        if (CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, item.data(),
                           static_cast<int>(item.size()), text.data(),
                           static_cast<int>(text.size())) == CSTR_EQUAL)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace framework
