// placeholder, replaced by its implementation
namespace stud {}
