int runEditor(int, char **) { return 0; }
