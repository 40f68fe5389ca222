// The sandbox user's rights: VELTRA_ADMIN=0 is a user without administrator rights.
#include "platform/user_rights.h"

#include <cstdlib>
#include <cstring>

namespace os {

bool isAdministrator() {
    const char *admin = std::getenv("VELTRA_ADMIN");
    return admin == nullptr || std::strcmp(admin, "0") != 0;
}

} // namespace os
