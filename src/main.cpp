// RX-907: a real-time first-person squad shooter.
int main() { return 0; }
