#include "app/FormLoad.h"

#include "app/Program.h"

void Form_Load(Program&) {}
