#include "host/FileDescriptor.h"

#include <unistd.h>

FileDescriptor::~FileDescriptor()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = other.release();
    }
    return *this;
}

int FileDescriptor::release()
{
    const int handed = descriptor;
    descriptor = -1;
    return handed;
}
