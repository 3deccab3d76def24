// What every FileSystem must do, checked on the POSIX one natively and on the Windows one
// under Wine; `failStep` is the implementation's fault seam.
#pragma once

#include <functional>

#include "platform/platform.h"

namespace gridmate::test {

void checkFileSystemContract(platform::FileSystem& fs,
                             std::function<bool(platform::WriteStep)>& failStep);

}  // namespace gridmate::test
