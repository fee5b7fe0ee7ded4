#pragma once

// The stand-in application's objects (application, views collection, views) as Dispatch
// objects over its model, called by member name as ACT!'s application object is.

#include "platform/actole/Dispatch.h"
#include "platform/actole/standin/application/AppModel.h"

#include <cstdint>
#include <memory>

namespace veltrano::ole::standin::com {

class AppObject final : public Dispatch {
public:
    AppObject(std::shared_ptr<AppModel> model, std::uint32_t id);

    // The application has no dispatch identifiers of its own: 438.
    Variant Invoke(std::int32_t dispid, InvokeKind kind, std::span<const Variant> args) override;
    Variant InvokeByName(std::string_view name, InvokeKind kind,
                         std::span<const Variant> args) override;

private:
    std::shared_ptr<AppModel> model_;
    std::uint32_t id_;
};

} // namespace veltrano::ole::standin::com
