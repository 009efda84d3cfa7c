#include "http/request_failure.h"

#include <map>

#include "text/charset.h"

namespace velmora {

const Text& FailureText(RequestFailure failure) {
  using enum RequestFailure;
  static const std::map<RequestFailure, Text> texts = {
      {kAddress, GbkText(u8"701 解析URL地址失败!")},
      {kSession, GbkText(u8"702 创建WinHttp会话失败!")},
      {kTimeouts, GbkText(u8"705 设置超时时间失败!")},
      {kRequest, GbkText(u8"704 创建WinHttp请求失败!")},
      {kCredentials, GbkText(u8"707 设置代理凭证失败!")},
      {kCertificates, GbkText(u8"忽略错误/证书错误  失败！")},
      {kCookies, GbkText(u8"708 禁止自动设置Cookies失败!")},
      {kRedirects, GbkText(u8"709 重定向设置失败!")},
      {kHeaders, GbkText(u8"710 设置协议头失败!")},
      {kSend, GbkText(u8"711 发送请求失败!")},
      {kNoAnswer, GbkText(u8"712 服务器未响应!")},
      {kRead, GbkText(u8"713 读取数据失败!")},
  };
  return texts.find(failure)->second;
}

}  // namespace velmora
