// Test support: whether this build runs under AddressSanitizer, for tests that measure or
// replace the allocator, which the sanitizer then owns.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define TRELLIS_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TRELLIS_UNDER_ASAN 1
#endif
#endif

namespace trellis {}  // namespace trellis
