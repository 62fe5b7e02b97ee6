#include "squad/squad.h"

int squad[7][memberrecordsize];
int squadchar[7];
std::string squadname[7];
int curmember[3];
