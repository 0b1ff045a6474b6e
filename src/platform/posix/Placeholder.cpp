namespace qlx::platform { void placeholder() {} }
