// A program that does import winsock, for the network-imports check to refuse: a check that
// reads no imports at all would pass every program.
#include <winsock2.h>

int main() {
    WSADATA data;
    return ::WSAStartup(MAKEWORD(2, 2), &data);
}
