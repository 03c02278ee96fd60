#include "FluxDemo.h"

namespace demogen {

TamponDemo::int_type TamponDemo::underflow() {
    lot_.clear();
    while (lot_.empty()) {
        if (!generateur_.lotSuivant(lot_)) {
            return traits_type::eof();
        }
    }
    setg(lot_.data(), lot_.data(), lot_.data() + lot_.size());
    return traits_type::to_int_type(lot_.front());
}

}  // namespace demogen
