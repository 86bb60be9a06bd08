// Delete and Modify.
#pragma once

namespace keyloom {

void OnDeleteClick();
void OnModifyClick();

}  // namespace keyloom
