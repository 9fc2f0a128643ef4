// The floor for a process start: a C++ program that returns at once, linked
// statically like varunoc.
int main() { return 0; }
