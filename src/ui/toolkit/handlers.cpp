#include "handlers.h"

#include "platform.h"

namespace Handlers {

void fail(const std::exception &error) noexcept
{
    Platform::current().fail(QString::fromUtf8(error.what()));
}

} // namespace Handlers
