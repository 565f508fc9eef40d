// A C++ program that does nothing. Linked alone, it loads the C++ runtime (libstdc++,
// libm, libgcc_s) as the tool does; linked with the library and the components, it
// loads all the tool loads but the line editor.
int main() { return 0; }
