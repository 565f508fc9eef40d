/* The yardstick of a process start: a C program that does nothing. */
int main(void) { return 0; }
