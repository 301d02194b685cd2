// An open file descriptor that closes itself: the file layer holds folders and files by
// descriptor, so that a name is looked up once and what was checked is what gets used.
#pragma once

#include <utility>

#include <unistd.h>

class Descriptor
{
public:
    explicit Descriptor(int descriptor = -1)
        : m_descriptor(descriptor)
    { }
    ~Descriptor()
    {
        if (m_descriptor >= 0)
            close(m_descriptor);
    }
    Descriptor(Descriptor &&other) noexcept
        : m_descriptor(std::exchange(other.m_descriptor, -1))
    { }
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        std::swap(m_descriptor, other.m_descriptor);
        return *this;
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_descriptor; }
    // Hands the descriptor over to whoever closes it next.
    int release() { return std::exchange(m_descriptor, -1); }
    // Closes now, reporting the failure of a write the system had delayed; false with errno set.
    bool closeNow() { return close(release()) == 0; }

private:
    int m_descriptor;
};
