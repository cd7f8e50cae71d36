// Placeholder until the headless host lands.
int main() { return 0; }
