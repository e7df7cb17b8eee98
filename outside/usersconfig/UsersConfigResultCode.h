#pragma once

#include <QObject>

// What an account operation of VHUsersConfigHelper came to. Never
// instantiated; QML reads the values by name.
class UsersConfigResultCode : public QObject
{
    Q_OBJECT
public:
    enum ResultCode {
        SUCCESS = 0,
        USER_ALREADY_EXISTS,
        INVALID_USERNAME,
        INVALID_PASSWORD,
        INVALID_USERNAME_AND_PASSWORD,
        MISMATCH_PASSWORDS,
        INCORRECT_PASSWORD,
        USER_NOT_FOUND,
        // The account file could not be read or written; nothing changed.
        STORAGE_ERROR,
    };
    Q_ENUM(ResultCode)

    UsersConfigResultCode() = delete;
};
