#include "Forms.h"

TForms &Forms()
{
    static TForms forms;
    return forms;
}
