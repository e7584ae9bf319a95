# Wine tests of the program (filled below).
