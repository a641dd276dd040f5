/* Resource ids the .rc and the program's code both name. Plain C
   preprocessor only: windres reads it too. */
#ifndef QUENNARIX_RESOURCE_IDS_H
#define QUENNARIX_RESOURCE_IDS_H

#define IDI_ICON1 1

#endif
