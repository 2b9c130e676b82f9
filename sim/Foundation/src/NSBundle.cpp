#include "Foundation/NSBundle.h"

NSBundle& NSBundle::mainBundle() {
  static NSBundle bundle;
  return bundle;
}
