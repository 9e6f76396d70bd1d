#include <cstddef>
#include <cstring>

char buffer[8];

void probe(const char *s, std::size_t n)
{
    std::memcpy(buffer, s, n);
}
