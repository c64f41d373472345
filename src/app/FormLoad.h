#pragma once
class Program;

// Brings the program up: start picture, sign-in, first load, the server's test list.
void Form_Load(Program& p);
