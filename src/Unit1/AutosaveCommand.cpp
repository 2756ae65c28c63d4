#include "Unit1/Unit1.h"

void TForm1::Button5Click(void* /*sender*/) {}
