#include "platform/actole/Dispatch.h"

namespace veltrano::ole {

Variant Dispatch::Get(std::int32_t dispid, std::initializer_list<Variant> args) {
    return Invoke(dispid, InvokeKind::PropertyGet,
                  std::span<const Variant>(args.begin(), args.size()));
}

void Dispatch::Put(std::int32_t dispid, std::initializer_list<Variant> args) {
    Invoke(dispid, InvokeKind::PropertyPut, std::span<const Variant>(args.begin(), args.size()));
}

Variant Dispatch::Call(std::int32_t dispid, std::initializer_list<Variant> args) {
    return Invoke(dispid, InvokeKind::Method, std::span<const Variant>(args.begin(), args.size()));
}

Variant Dispatch::GetByName(std::string_view name, std::initializer_list<Variant> args) {
    return InvokeByName(name, InvokeKind::PropertyGet,
                        std::span<const Variant>(args.begin(), args.size()));
}

Variant Dispatch::CallByName(std::string_view name, std::initializer_list<Variant> args) {
    return InvokeByName(name, InvokeKind::Method,
                        std::span<const Variant>(args.begin(), args.size()));
}

} // namespace veltrano::ole
